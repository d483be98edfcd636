#!/usr/bin/env bash
# Measures what a run of telvorin costs: builds it for release, makes its
# inputs, times whole runs of the real binary (the median of several) and
# their peak memory, times grep over the same dumps, then runs the hot-path
# benchmarks. Usage: bench/run.sh [RUNS, default 7]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-7}
build="$top/build-bench"
"$top/scripts/setup.sh" tests
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTELVORIN_BENCH=ON >/dev/null
cmake --build "$build" --parallel 2 >/dev/null
inputs="$build/inputs"
[ -f "$inputs/dump200_condump.txt" ] || bash "$top/bench/make_inputs.sh" "$inputs"
cd "$inputs"
binary="$build/telvorin"

# Prints the median wall time in milliseconds of RUNS runs of the command.
median_ms() {
  local times=()
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 </dev/null || true
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{ a[NR] = $1 } END { printf "%.1f", a[int((NR + 1) / 2)] / 1000 }'
}

# grep writing its matches to a file, as telvorin writes its messages (grep
# stops at the first match when its output is /dev/null).
grep_to_file() {
  grep -F '$$$' "$1" > grep.out
}

# Prints the peak resident memory in KiB of one run of the command.
peak_kib() {
  /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null </dev/null | tail -n 1
}

echo "machine: $(nproc) cores, $(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo
printf '%-28s %12s %12s\n' "run" "median ms" "peak KiB"
for source in trivial realistic largest_one_map largest_100_maps; do
  printf '%-28s %12s %12s\n' "$source" "$(median_ms "$binary" "$source.txt")" "$(peak_kib "$binary" "$source.txt")"
done
for dump in dump20_condump.txt dump200_condump.txt; do
  printf '%-28s %12s %12s\n' "$dump" "$(median_ms "$binary" "$dump")" "$(peak_kib "$binary" "$dump")"
  printf '%-28s %12s %12s\n' "grep -F \$\$\$ $dump" "$(median_ms grep_to_file "$dump")" "$(peak_kib grep -F '$$$' "$dump")"
done
echo
"$build/telvorin_bench" --benchmark_min_time=0.2
