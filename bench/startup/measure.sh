#!/usr/bin/env bash
# Start-up to the first frame on screen and peak resident memory (VmHWM) at that frame, of
# Astrivo beside a minimal Qt dialog with one GL child window, in alternating runs so that
# drift on a noisy machine hits both alike; then memory and CPU at rest. The first-frame shim
# (preloaded) ends each start-up run at its first buffer swap. Needs a display (run it under
# xvfb-run, or a Wayland compositor). Usage: measure.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?build directory}
runs=${2:-11}
astrivo="$build/app/astrivo"
baseline="$build/bench/startup/minimal-gl-dialog"
shim="$(cd "$build/bench/startup" && pwd)/libfirst-frame-shim.so"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME=$scratch  # keep the user's own settings out of it

median() { sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }

# One run: prints "milliseconds-to-first-frame peak-KiB".
first_frame() {
  local report="$scratch/report"
  rm -f "$report"
  local start
  start=$(date +%s%N)
  FIRST_FRAME_REPORT=$report LD_PRELOAD=$shim timeout 30 "$1" >/dev/null 2>&1 || true
  [ -s "$report" ] || { echo "no frame from $1" >&2; exit 1; }
  awk -v start="$start" '{printf "%d %d\n", ($2 - start) / 1000000, $4}' "$report"
}

for ((i = 0; i < runs; i++)); do
  read -r a_ms a_kib < <(first_frame "$astrivo")
  read -r b_ms b_kib < <(first_frame "$baseline")
  echo "$a_ms $a_kib $b_ms $b_kib"
done > "$scratch/runs"

col() { awk -v c="$1" '{print $c}' "$scratch/runs" | median; }
a_ms=$(col 1) a_kib=$(col 2) b_ms=$(col 3) b_kib=$(col 4)
time_ratio=$(awk '{print $1 / $3}' "$scratch/runs" | median)
memory_ratio=$(awk '{print $2 / $4}' "$scratch/runs" | median)
printf 'start-up to first frame (median of %d alternating runs): astrivo %s ms, baseline %s ms, ratio %.2f\n' \
  "$runs" "$a_ms" "$b_ms" "$time_ratio"
printf 'peak resident memory at the first frame: astrivo %s KiB, baseline %s KiB, ratio %.3f\n' \
  "$a_kib" "$b_kib" "$memory_ratio"

# At rest: Astrivo's opening trace replays four months at 20 days a second, so wait past it.
for program in "$astrivo" "$baseline"; do
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
    "$(basename "$program")" "$rss" "$((after - before))"
done
