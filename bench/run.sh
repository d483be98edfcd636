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
    "$@" >"${OUT:-/dev/null}" 2>/dev/null </dev/null || true
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{ a[NR] = $1 } END { printf "%.1f", a[int((NR + 1) / 2)] / 1000 }'
}

# Prints the peak resident memory in KiB of one run of the command.
peak_kib() {
  /usr/bin/time -o time.out -f '%M' "$@" >"${OUT:-/dev/null}" 2>/dev/null </dev/null || true
  tail -n 1 time.out
}

echo "machine: $(nproc) cores, $(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo
declare -A ms kib
row() {  # NAME COMMAND...: time and measure one command, print its row
  local name=$1; shift
  ms[$name]=$(median_ms "$@")
  kib[$name]=$(peak_kib "$@")
  printf '%-30s %12s %12s\n' "$name" "${ms[$name]}" "${kib[$name]}"
}
printf '%-30s %12s %12s\n' "run" "median ms" "peak KiB"
for source in trivial realistic largest_one_map largest_100_maps; do row "$source" "$binary" "$source.txt"; done
for size in 20 200; do
  row "extract ${size} MB" "$binary" "dump${size}_condump.txt"
  # grep writes its matches to a file, as telvorin writes its messages:
  # with its output on /dev/null it would stop at the first match.
  OUT=grep.out row "grep ${size} MB" grep -F '$$$' "dump${size}_condump.txt"
done
echo
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
# The two short runs alternate, so that the machine's drift weighs on both alike.
: > pair.times
for _ in $(seq $((runs * 3))); do
  for source in trivial realistic; do
    start=$(date +%s%N); "$binary" "$source.txt" >/dev/null 2>&1 </dev/null || true; end=$(date +%s%N)
    echo "$source $(( (end - start) / 1000 ))" >> pair.times
  done
done
pair_median() { awk -v s="$1" '$1 == s { print $2 }' pair.times | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
echo "realistic / trivial:                 $(ratio "$(pair_median realistic)" "$(pair_median trivial)")  (goal: at most 1.50; runs alternated)"
echo "largest source, one map:             ${ms[largest_one_map]} ms  (goal: well under 1000)"
echo "extraction / grep throughput, 20 MB: $(ratio "${ms[grep 20 MB]}" "${ms[extract 20 MB]}")  (goal: at least 0.50)"
echo "extraction / grep throughput, 200 MB: $(ratio "${ms[grep 200 MB]}" "${ms[extract 200 MB]}")"
echo "peak memory, 200 MB less 20 MB dump: $(( ${kib[extract 200 MB]} - ${kib[extract 20 MB]} )) KiB  (goal: within 1024)"
echo
"$build/telvorin_bench" --benchmark_min_time=0.2
