#!/usr/bin/env bash
# Installs the Debian packages that Corvanta needs and that are missing.
#   scripts/install-deps.sh run    what building and running the program needs
#   scripts/install-deps.sh test   that, plus what the test suite needs
#   scripts/install-deps.sh headless   a virtual display with a VNC server
#   scripts/install-deps.sh bench  what the benchmarks and the start-up probe need
#   scripts/install-deps.sh package    what building the Debian package needs
# Runs apt-get through sudo when not run as root.
set -euo pipefail

run_packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-qpa-plugins
    fonts-liberation fonts-dejavu-core
)
test_packages=(
    googletest libgtest-dev
    poppler-utils
    dpkg-dev file desktop-file-utils appstream
    xvfb xauth xdotool
    clang libclang-rt-14-dev clang-tidy cppcheck
    libbenchmark-dev
)
# The start-up probe of the benchmarks.
bench_packages=(
    time xvfb xauth xdotool libbenchmark-dev
)
# A virtual display served to VNC viewers on this machine, for running without a desktop.
headless_packages=(
    xvfb xauth x11vnc
)

case "${1:-run}" in
run) wanted=("${run_packages[@]}") ;;
test) wanted=("${run_packages[@]}" "${test_packages[@]}") ;;
headless) wanted=("${headless_packages[@]}") ;;
bench) wanted=("${run_packages[@]}" "${bench_packages[@]}") ;;
package) wanted=("${run_packages[@]}" dpkg-dev file) ;;
*)
    echo "usage: $0 [run|test|headless|bench|package]" >&2
    exit 2
    ;;
esac

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing Debian packages: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi
"${as_root[@]}" apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "${missing[@]}"
