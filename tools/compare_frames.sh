#!/usr/bin/env bash
# Renders the sky at several days, tilts and headings with two builds and compares the frames
# byte for byte. Needs a display (run it under xvfb-run). Usage:
#   compare_frames.sh OLD_BUILD_DIR NEW_BUILD_DIR
set -euo pipefail
old=${1:?old build directory}
new=${2:?new build directory}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME=$scratch
mkdir "$scratch/old" "$scratch/new"
"$old/bench/view/astrivo_frame_dump" "$scratch/old"
"$new/bench/view/astrivo_frame_dump" "$scratch/new"
same=0 different=0
for frame in "$scratch"/old/*.rgba; do
  name=$(basename "$frame")
  if cmp -s "$frame" "$scratch/new/$name"; then
    same=$((same + 1))
  else
    different=$((different + 1))
    echo "differs: $name ($(cmp -l "$frame" "$scratch/new/$name" 2>/dev/null | wc -l) bytes)"
  fi
done
echo "$same frames identical, $different different"
[ "$different" -eq 0 ]
