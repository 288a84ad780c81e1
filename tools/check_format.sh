#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what clang-format makes of it; `--fix`
# rewrites the files instead. Data tables keep their columns between "clang-format off/on".
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --fix ]; then
  clang-format -i "${files[@]}"
else
  clang-format --dry-run --Werror "${files[@]}"
fi
