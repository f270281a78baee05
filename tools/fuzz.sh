#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer) and
# runs each for SECONDS (default 60), starting from its seed corpus in fuzz/corpus/NAME.
# QUIZ_FUZZ_SEED fixes libFuzzer's random seed (tools/test.sh sets it, so CI repeats itself).
# usage: tools/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
shift || true
build="$root/build/fuzz"
python3 "$root/tools/gbk_tree.py" "$root" "$build/gbk"
cmake -S "$build/gbk" -B "$build/out" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
  -DQUIZ_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in "$root"/fuzz/*_fuzz.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi
cmake --build "$build/out" -j "$(nproc)" --target "${targets[@]}" >/dev/null

status=0
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  [ -d "$root/fuzz/corpus/$target" ] && cp -n "$root/fuzz/corpus/$target"/* "$corpus"/ 2>/dev/null || true
  mkdir -p "$build/crashes"
  if "$build/out/bin/$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
       -artifact_prefix="$build/crashes/$target-" ${QUIZ_FUZZ_SEED:+-seed=$QUIZ_FUZZ_SEED} \
       -print_final_stats=1 "$corpus" > "$build/$target.log" 2>&1; then
    echo "fuzz $target: $(grep -o 'stat::number_of_executed_units: [0-9]*' "$build/$target.log" | grep -o '[0-9]*$') runs, no failure"
  else
    echo "fuzz $target: FAILED (see $build/$target.log)"
    tail -30 "$build/$target.log"
    status=1
  fi
done
exit $status
