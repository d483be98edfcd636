#!/usr/bin/env bash
# Builds telvorin and runs it on the bundled example source file, in the
# folder build/example, then shows the script it wrote.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
cmake -S "$top" -B "$top/build" -DBUILD_TESTING=OFF >/dev/null
cmake --build "$top/build" --parallel 2 >/dev/null
mkdir -p "$top/build/example"
cd "$top/build/example"
status=0
"$top/build/telvorin" "$top/examples/menu.txt" || status=$?
echo "----- $(pwd)/teleport.cfg -----"
cat teleport.cfg
exit "$status"
