#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, ASan and UBSan; preset "fuzz") and runs each for
# SECONDS (default 30) from its seeds in fuzz/corpus/<target>. The inputs found on the way go
# to a temporary folder, so the seeds stay as they are; a failing input is kept in
# build/fuzz/findings. The targets run side by side; exits non-zero when any of them failed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p build/fuzz/findings
found=$(mktemp -d)
trap 'rm -rf "$found"' EXIT
targets=(ini_text cli_args)
pids=()
for target in "${targets[@]}"; do
  mkdir -p "$found/$target"
  echo "fuzzing $target for ${seconds}s"
  "build/fuzz/fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="build/fuzz/findings/$target-" -print_final_stats=1 \
      "$found/$target" "fuzz/corpus/$target" >"$found/$target.log" 2>&1 &
  pids+=($!)
done
failed=0
for i in "${!targets[@]}"; do
  target=${targets[$i]}
  status=0
  wait "${pids[$i]}" || status=$?
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$found/$target.log"
    failed=$status
    continue
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$found/$target.log"
done
exit "$failed"
