#!/usr/bin/env bash
# Builds Corvanta and runs every check, installing what is missing:
#   1. a gcc build with the benchmarks, checked by clang-tidy and cppcheck, and all its tests
#      (the Debian package check included);
#   2. a clang build with AddressSanitizer, LeakSanitizer and UBSan (no recovery), running the
#      same tests and each fuzz target for a few seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

scripts/install-deps.sh test

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
    -DCORVANTA_BENCHMARKS=ON
cmake --build build
scripts/analyse.sh build
ctest --test-dir build --output-on-failure --parallel "$jobs"

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
    -DCMAKE_CXX_COMPILER=clang++ -DCORVANTA_SANITIZE=ON -DCORVANTA_FUZZ=ON
cmake --build build-sanitize
# The package check builds and starts the plain program; it is not repeated here.
ctest --test-dir build-sanitize --output-on-failure --parallel "$jobs" --label-exclude package
