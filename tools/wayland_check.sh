#!/usr/bin/env bash
# Astrivo as a native Wayland client under a headless weston without a seat, against the
# same run on X11 (Xvfb): the view tests pass on Wayland, the first frame arrives within a
# few seconds though the window is never activated, and the sky view after the replay is
# the same pixel for pixel. Both screenshots are the display server's own (weston's
# screenshooter, ImageMagick's import of the X root), so what a compositor blends with the
# window's alpha shows up. Both runs see the same fixed date through libfaketime, which the
# build found.
# usage: tools/wayland_check.sh [BUILD_DIR]    (default build/check; needs app/astrivo,
#        tests/view/astrivo_view_tests and bench/startup/libfirst-frame-shim.so built there).
#        With ASTRIVO_CHECK_SHOTS set to a folder, both screenshots are kept there.
set -euo pipefail
cd "$(dirname "$0")/.."
build="$(realpath "${1:-build/check}")"
app="$build/app/astrivo"
view_tests="$build/tests/view/astrivo_view_tests"
first_frame_shim="$build/bench/startup/libfirst-frame-shim.so"
faketime_library="$(sed -n 's/^FAKETIME_LIBRARY:FILEPATH=//p' "$build/CMakeCache.txt")"
[ -f "$faketime_library" ] || { echo "the build in $build found no libfaketime" >&2; exit 1; }
readonly fixed_date='@2025-06-18 12:00:00'
readonly width=1280 height=800        # both screens, in pixels
readonly first_frame_limit=10         # seconds from start to the first frame
readonly settle_limit=40              # seconds for the replay and the turn to end

work="$(mktemp -d)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait "${pids[@]}" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# Runs the program on the fixed date with empty settings; the monotonic clock stays real so
# the timers run.
astrivo="$work/astrivo"
cat >"$astrivo" <<WRAPPER
#!/bin/sh
exec env HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \\
  LD_PRELOAD="$faketime_library" FAKETIME="$fixed_date" FAKETIME_DONT_FAKE_MONOTONIC=1 "$app"
WRAPPER
chmod +x "$astrivo"

# Calls `shoot FILE` once a second until two shots in a row are the same and differ from
# the screen before the program started (BLANK), so the window is up and the replay and
# the turn have ended; leaves the last one in FILE.
settle() {
  local file=$1 shoot=$2 blank=$3 previous="$work/previous.ppm"
  rm -f "$previous"
  for ((i = 0; i < settle_limit; ++i)); do
    sleep 1
    "$shoot" "$file"
    if [ -s "$previous" ] && cmp -s "$file" "$previous" && ! cmp -s "$file" "$blank"; then
      return 0
    fi
    cp "$file" "$previous"
  done
  echo "the screen did not settle within $settle_limit s" >&2
  return 1
}

# --- Wayland --------------------------------------------------------------------------
export XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# No idle timeout: a sleeping output is never repainted, and a screenshot waits for a repaint.
timeout 110 weston --backend=headless-backend.so --use-pixman --debug --idle-time=0 \
  --width=$width --height=$height --socket=astrivo-check >"$work/weston.log" 2>&1 &
pids+=($!)
for ((i = 0; i < 50; ++i)); do [ -S "$XDG_RUNTIME_DIR/astrivo-check" ] && break; sleep 0.2; done
[ -S "$XDG_RUNTIME_DIR/astrivo-check" ] || { cat "$work/weston.log" >&2; exit 1; }

wayland_shot() {
  local dir="$work/shots"
  rm -rf "$dir" && mkdir "$dir"
  (cd "$dir" && WAYLAND_DISPLAY=astrivo-check timeout 10 weston-screenshooter)
  convert "$dir"/*.png -depth 8 ppm:"$1"
}

(
  export WAYLAND_DISPLAY=astrivo-check QT_QPA_PLATFORM=wayland
  unset DISPLAY
  for scale in 1 1.5 2 3; do
    echo "view tests on Wayland at scale $scale"
    QT_SCALE_FACTOR=$scale ASTRIVO_EXPECT_DPR=$scale timeout 60 "$view_tests" --gtest_brief=1
  done
  # The first-frame shim ends the program at its first buffer swap and writes a report.
  echo "first frame on Wayland"
  timeout $first_frame_limit env HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    FIRST_FRAME_REPORT="$work/first-frame" LD_PRELOAD="$first_frame_shim" "$app" || true
  grep -q first-frame-ns "$work/first-frame" 2>/dev/null ||
    { echo "no frame within $first_frame_limit s" >&2; exit 1; }
)
wayland_shot "$work/wayland-blank.ppm"
(
  export WAYLAND_DISPLAY=astrivo-check QT_QPA_PLATFORM=wayland
  unset DISPLAY
  timeout 60 "$astrivo" >"$work/wayland.log" 2>&1 &
  echo $! >"$work/wayland.pid"
)
pids+=("$(cat "$work/wayland.pid")")
settle "$work/wayland.ppm" wayland_shot "$work/wayland-blank.ppm"

# --- X11 ------------------------------------------------------------------------------
# Xvfb picks a free display number and writes it once it accepts clients.
timeout 110 Xvfb -displayfd 3 -noreset -screen 0 ${width}x${height}x24 -nolisten tcp \
  3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for ((i = 0; i < 50; ++i)); do [ -s "$work/display" ] && break; sleep 0.2; done
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"
x11_shot() { import -window root -depth 8 ppm:"$1"; }
x11_shot "$work/x11-blank.ppm"
(
  export QT_QPA_PLATFORM=xcb
  timeout 60 "$astrivo" >"$work/x11.log" 2>&1 &
  echo $! >"$work/x11.pid"
)
pids+=("$(cat "$work/x11.pid")")
settle "$work/x11.ppm" x11_shot "$work/x11-blank.ppm"

# The view is the dialog's one native child window: "WxH+x+y  +absX+absY" in the tree.
geometry="$(xwininfo -root -tree | awk '/"Astrivo":/ { found = 1; next }
  found && /[0-9]+x[0-9]+\+/ { print $(NF - 1), $NF; exit }')"
[ -n "$geometry" ] || { echo "no Astrivo window on X11" >&2; cat "$work/x11.log" >&2; exit 1; }
read -r size position <<<"$geometry"
view_width=${size%%x*}
rest=${size#*x}
view_height=${rest%%+*}
position=${position#+}
view_x=${position%%+*}
view_y=${position#*+}

if [ -n "${ASTRIVO_CHECK_SHOTS:-}" ]; then
  mkdir -p "$ASTRIVO_CHECK_SHOTS"
  convert "$work/x11.ppm" "$ASTRIVO_CHECK_SHOTS/x11.png"
  convert "$work/wayland.ppm" "$ASTRIVO_CHECK_SHOTS/wayland.png"
fi
python3 tools/compare_sky_view.py "$work/x11.ppm" "$work/wayland.ppm" \
  "$view_x" "$view_y" "$view_width" "$view_height"
