#!/usr/bin/env bash
# Runs a command as an X11 client of an Xvfb of its own, so that XTest input sent by the
# command never reaches another display, and the screen has a known size.
# usage: tools/x_seat.sh [--size WxH] COMMAND [ARG ...]
#   The command runs with DISPLAY naming the Xvfb and QT_QPA_PLATFORM=xcb; each call starts
#   its own server on a free display number. Its exit status is the command's.
set -euo pipefail
size=1600x1200
if [ "${1:-}" = --size ]; then
  size=$2
  shift 2
fi
(($#)) || { echo "usage: $0 [--size WxH] COMMAND [ARG ...]" >&2; exit 2; }

work="$(mktemp -d)"
pid=
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# Xvfb picks a free display number and writes it once it accepts clients. -noreset: by
# default the server resets when its last client leaves, and a client that connects during
# the reset (a program starting while a short xdotool or xprop call ends) is refused.
Xvfb -displayfd 3 -noreset -screen 0 "${size}x24" -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pid=$!
for ((i = 0; i < 50; ++i)); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; exit 1; }

status=0
DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb "$@" || status=$?
exit "$status"
