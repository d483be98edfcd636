#!/usr/bin/env bash
# Builds telvorin and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test; any report fails the run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh" tests
build="$top/build-sanitize"
cmake -S "$top" -B "$build" -DTELVORIN_SANITIZE=ON -DBUILD_TESTING=ON -DTELVORIN_WERROR=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel 2
cd "$build"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --output-on-failure --parallel 2
