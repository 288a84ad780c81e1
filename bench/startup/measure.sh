#!/usr/bin/env bash
# Whole-process start-up time (to the first frame on screen), memory at rest and CPU at rest of
# Astrivo beside a minimal Qt dialog with one GL child window. Needs an X display (run it
# under xvfb-run). Usage: measure.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?build directory}
runs=${2:-9}
programs=("$build/app/astrivo" "$build/bench/startup/minimal-gl-dialog")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME=$scratch  # keep the user's own settings out of it

median() { sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }

for program in "${programs[@]}"; do
  name=$(basename "$program")
  for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    shown=$(ASTRIVO_EXIT_AFTER_FIRST_FRAME=1 "$program" 2>/dev/null | awk '/first-frame-ns/ {print $2}')
    echo $(((shown - start) / 1000000))
  done | median | xargs printf '%-18s start-up to first frame: median %s ms\n' "$name"

  # At rest: Astrivo's opening trace replays four months at 20 days a second, so wait past it.
  "$program" >/dev/null 2>&1 &
  pid=$!
  sleep 10
  rss=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
  before=$(awk '{print $14 + $15}' /proc/$pid/stat)
  sleep 5
  after=$(awk '{print $14 + $15}' /proc/$pid/stat)
  kill $pid
  wait $pid 2>/dev/null || true
  printf '%-18s resident memory at rest: %s KiB; CPU ticks over 5 s at rest: %s\n' \
    "$name" "$rss" "$((after - before))"
done
