#!/usr/bin/env bash
# Builds Corvanta (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build build

if [ -n "${QT_QPA_PLATFORM:-}" ] || [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/Corvanta
fi

# No desktop: run on a virtual display and serve it to VNC viewers on this machine only.
scripts/install-deps.sh headless
port=${CORVANTA_VNC_PORT:-5900}
echo "No graphical display was found, so Corvanta runs on a virtual screen:" \
    "connect a VNC viewer on this machine to localhost:$port to use it."
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>/tmp/corvanta-display.$$ &
xvfb=$!
for _ in $(seq 50); do
    [ -s /tmp/corvanta-display.$$ ] && break
    sleep 0.1
done
display=":$(head -n 1 /tmp/corvanta-display.$$)"
rm -f /tmp/corvanta-display.$$
x11vnc -display "$display" -localhost -rfbport "$port" -forever -nopw -quiet >/dev/null 2>&1 &
vnc=$!
trap 'kill $vnc $xvfb 2>/dev/null' EXIT
DISPLAY=$display build/Corvanta
