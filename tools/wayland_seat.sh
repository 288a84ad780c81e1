#!/usr/bin/env bash
# Runs a command as a Wayland client of a weston that has a real seat: weston's X11 backend,
# nested in an Xvfb of its own, turns the X server's pointer and keyboard into Wayland
# input, so XTest and xdotool drive a native Wayland client. kiosk-shell shows the one
# top-level window at the output's top-left corner, filling the output, so an X position
# inside weston's window is the same position in the client's window.
# usage: tools/wayland_seat.sh [--size WxH] [--scale N] COMMAND [ARG ...]
#   The command runs with WAYLAND_DISPLAY and QT_QPA_PLATFORM=wayland set for the client and
#   DISPLAY naming the Xvfb, which is where XTest input goes; each call starts its own
#   servers on free names, so calls may run side by side. Its exit status is the command's.
set -euo pipefail
size=1280x800
scale=1
while (($#)); do
  case $1 in
    --size) size=$2; shift 2 ;;
    --scale) scale=$2; shift 2 ;;
    *) break ;;
  esac
done
(($#)) || { echo "usage: $0 [--size WxH] [--scale N] COMMAND [ARG ...]" >&2; exit 2; }
width=${size%x*} height=${size#*x}

work="$(mktemp -d)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait "${pids[@]}" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# Xvfb picks a free display number and writes it once it accepts clients.
Xvfb -displayfd 3 -noreset -screen 0 "$((width * scale))x$((height * scale))x24" -nolisten tcp \
  3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for ((i = 0; i < 50; ++i)); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"

export XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
socket="astrivo-seat-$$"
# No idle timeout: a sleeping output is never repainted.
weston --backend=x11-backend.so --use-pixman --shell=kiosk-shell.so --idle-time=0 \
  --width="$width" --height="$height" --scale="$scale" --socket="$socket" \
  >"$work/weston.log" 2>&1 &
pids+=($!)
for ((i = 0; i < 50; ++i)); do [ -S "$XDG_RUNTIME_DIR/$socket" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || { cat "$work/weston.log" >&2; exit 1; }

status=0
WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland "$@" || status=$?
exit "$status"
