#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for a bounded time over a corpus
# seeded from examples/ and fuzz/seeds/. Fails on any crash, leak or report.
# Usage: scripts/fuzz.sh [SECONDS per target, default 60]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
"$top/scripts/setup.sh" clang
build="$top/build-fuzz"
CXX=clang++ cmake -S "$top" -B "$build" -DTELVORIN_FUZZ=ON -DBUILD_TESTING=OFF -DTELVORIN_WERROR=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel 2 --target fuzz_source_reader fuzz_marker_scan fuzz_generation
for target in source_reader marker_scan generation; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  cp "$top"/examples/*.txt "$corpus/"
  if [ -d "$top/fuzz/seeds/$target" ]; then cp "$top/fuzz/seeds/$target"/* "$corpus/"; fi
  echo "Fuzzing $target for ${seconds}s ..."
  (cd "$build" && ASAN_OPTIONS=detect_leaks=1 "./fuzz_$target" -max_total_time="$seconds" -timeout=20 \
     -rss_limit_mb=3072 -max_len=8192 -print_final_stats=1 -artifact_prefix="$build/crash-$target-" \
     "$corpus" 2>"$build/fuzz-$target.log") || { tail -60 "$build/fuzz-$target.log"; exit 1; }
  grep -E '^stat::number_of_executed_units' "$build/fuzz-$target.log" || true
done
echo "Fuzzing found nothing."
