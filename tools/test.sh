#!/usr/bin/env bash
# Sets everything up on Debian 12, then builds and runs the whole test suite twice: a
# warnings-as-errors build, and the same tests under AddressSanitizer and UBSan.
# GL tests need a display; without one they run under Xvfb (Mesa's llvmpipe renders); the
# Wayland check starts its own weston and Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/check_format.sh

jobs="$(nproc)"
# Most tests spend their time waiting on display servers, timers and the program's replays, so
# three run per core; the GL tests run alone (RUN_SERIAL).
test_jobs=$((jobs * 3))
run_ctest() {
  local dir=$1
  shift
  if [ -z "${DISPLAY:-}" ]; then
    xvfb-run -a -s "-noreset -screen 0 1600x1000x24" ctest --test-dir "$dir" --output-on-failure -j"$test_jobs" "$@"
  else
    ctest --test-dir "$dir" --output-on-failure -j"$test_jobs" "$@"
  fi
}

cmake --preset check
cmake --build --preset check -j"$jobs"
run_ctest build/check
bash tools/check_tidy.sh build/check
# The sky view as a native Wayland client against the same run on X11, pixel for pixel.
timeout 150 bash tools/wayland_check.sh build/check

if [ "${ASTRIVO_SKIP_SANITIZERS:-0}" != 1 ]; then
  cmake --preset sanitize
  cmake --build --preset sanitize -j"$jobs"
  export UBSAN_OPTIONS="print_stacktrace=1"
  # The engine, sky and command-line tests run with leak detection; Qt, fontconfig and Mesa
  # keep process-lifetime allocations that LeakSanitizer would report in the others.
  ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" run_ctest build/sanitize -L core
  # The long Wayland twins and scale grabs ran in the build above; their code runs here too.
  ASAN_OPTIONS="detect_leaks=0:abort_on_error=1" run_ctest build/sanitize -LE 'core|long'
fi

# The fuzz targets (clang's libFuzzer, ASan and UBSan), 30 seconds each.
bash tools/fuzz.sh 30
