#!/usr/bin/env bash
# Builds the program and its tests with gcov's line counts (preset "coverage"), runs the whole
# suite, and reports the product's lines that no test ran: build/coverage/coverage.txt (per
# file: lines, lines run, share, and the numbers of the lines never run) and an annotated copy
# of each file under build/coverage/html/index.html. Not a gate: a test that fails is listed
# and the report is written all the same. Needs gcovr (apt-get install gcovr).
set -euo pipefail
cd "$(dirname "$0")/.."
command -v gcovr >/dev/null || { echo "needs gcovr: sudo apt-get install gcovr" >&2; exit 2; }
jobs="$(nproc)"
# ccache's CCACHE_BASEDIR would record the sources' paths relative to each object's folder,
# which gcovr cannot resolve.
unset CCACHE_BASEDIR

cmake --preset coverage >/dev/null
cmake --build --preset coverage -j"$jobs"
find build/coverage -name '*.gcda' -delete
run=(ctest --test-dir build/coverage -j"$((jobs * 3))" --output-on-failure)
[ -n "${DISPLAY:-}" ] || run=(xvfb-run -a -s "-noreset -screen 0 1600x1000x24" "${run[@]}")
"${run[@]}" || echo "coverage: some tests failed; their lines may show as not run" >&2

# The product's own sources; tests, benchmarks, tools and generated files are left out.
filters=()
for dir in engine sky view platform app cli; do filters+=(--filter "$PWD/$dir/"); done
mkdir -p build/coverage/html
gcovr --root . --object-directory build/coverage "${filters[@]}" --exclude-unreachable-branches \
  --txt build/coverage/coverage.txt --html-details build/coverage/html/index.html
tail -n 4 build/coverage/coverage.txt
echo "per file: build/coverage/coverage.txt; line by line: build/coverage/html/index.html"
