#!/usr/bin/env bash
# Static analysis of the program's sources: the checked-in .clang-format over all C++ files,
# clang-tidy with the checked-in .clang-tidy, and cppcheck. All must be clean.
#   scripts/analyse.sh BUILD_DIR    (a configured build with compile_commands.json)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

echo "clang-format: $(git ls-files '*.cpp' '*.h' | wc -l) files"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

echo "clang-tidy: $(ls src/*/*.cpp | wc -l) files"
ls src/*/*.cpp | xargs -P "$(nproc)" -n 1 clang-tidy -p "$build" --quiet 2>/dev/null |
    tee "$build/clang-tidy.log"
if grep -qE '(warning|error):' "$build/clang-tidy.log"; then
    echo "clang-tidy found problems"
    exit 1
fi

echo "cppcheck"
cppcheck --enable=warning,performance,portability --std=c++20 --library=qt \
    --inline-suppr --error-exitcode=1 --quiet \
    -I src -I "$build/src/shell/generated" --suppress=missingIncludeSystem src
echo "static analysis: clean"
