#!/usr/bin/env bash
# Measures how long Corvanta takes from launch to its first window on screen, and its peak
# resident memory, against an empty Qt Widgets window: interleaved runs on a virtual display,
# medians and the ratios Corvanta / empty.
#   bench/startup-probe.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
runs=${2:-9}

# Measure on a virtual display of its own, so that nothing else on screen interferes.
if [ -z "${CORVANTA_PROBE_DISPLAY:-}" ]; then
    exec env CORVANTA_PROBE_DISPLAY=1 xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$build" "$runs"
fi

# One run: launch, wait until the named window is visible, note the time, end the program and
# read its peak RSS from GNU time. Prints "milliseconds kilobytes".
measure() {
    local program=$1 title=$2 report
    report=$(mktemp)
    local start end
    start=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$report" "$program" >/dev/null 2>&1 &
    local timer=$!
    # Poll often: xdotool's own --sync waits half a second between looks.
    until xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1; do
        sleep 0.005
    done
    end=$(date +%s%N)
    # Let the first frames settle before reading the memory.
    sleep 0.5
    pkill -TERM -P "$timer" 2>/dev/null || true
    wait "$timer" 2>/dev/null || true
    echo "$(((end - start) / 1000000)) $(tail -n 1 "$report")"
    rm -f "$report"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

measure "$build/bench/empty_window" Empty >/dev/null # warm the caches once
for _ in $(seq "$runs"); do
    echo "empty $(measure "$build/bench/empty_window" Empty)"
    echo "corvanta $(measure "$build/Corvanta" Introduction)"
done >"$build/startup-probe.txt"

for who in empty corvanta; do
    ms=$(awk -v w=$who '$1 == w { print $2 }' "$build/startup-probe.txt" | median)
    kb=$(awk -v w=$who '$1 == w { print $3 }' "$build/startup-probe.txt" | median)
    printf '%-9s start-up %6.1f ms   peak RSS %7.0f KiB\n' "$who" "$ms" "$kb"
    eval "${who}_ms=$ms ${who}_kb=$kb"
done
awk -v a="$corvanta_ms" -v b="$empty_ms" -v c="$corvanta_kb" -v d="$empty_kb" \
    'BEGIN { printf "ratio     start-up %6.2f      peak RSS %7.2f   (Corvanta / empty, medians of '"$runs"' runs)\n", a / b, c / d }'
