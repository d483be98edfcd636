#!/usr/bin/env bash
# Cross-builds telvorin.exe for Windows with MinGW-w64, statically linked,
# into build-windows/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh" windows
cmake -S "$top" -B "$top/build-windows" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" \
  -DBUILD_TESTING=OFF -DTELVORIN_WERROR=ON >/dev/null
cmake --build "$top/build-windows" --parallel 2
ls -l "$top/build-windows/telvorin.exe"
