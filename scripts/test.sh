#!/usr/bin/env bash
# Builds telvorin with its tests and runs every test.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh" tests
cmake -S "$top" -B "$top/build" -DBUILD_TESTING=ON -DTELVORIN_WERROR=ON >/dev/null
cmake --build "$top/build" --parallel 2
cd "$top/build"
ctest --output-on-failure --parallel 2
