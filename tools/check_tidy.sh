#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy) over the product's sources with a build folder's
# compile_commands.json and fails on any finding. The build must have run first: Qt's moc
# output is part of what the sources include. Usage: check_tidy.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/check}
jobs="$(nproc)"
# Every translation unit of the libraries and programs, none of the tests or benchmarks.
run-clang-tidy -p "$build" -j"$jobs" -quiet \
  "$PWD/(engine|sky|view|platform|app|cli|tools/viewer|tools/artwork)/[^/]*\.cpp$" \
  > "$build/tidy.log" 2>&1 || { grep -E "(warning|error):" "$build/tidy.log" | sort -u; exit 1; }
if grep -qE "(warning|error):" "$build/tidy.log"; then
  grep -E "(warning|error):" "$build/tidy.log" | sort -u
  exit 1
fi
echo "clang-tidy: no findings"
