#!/usr/bin/env bash
# Runs reader_test.py against the program on a display of its own, on a private session bus
# (AT-SPI lives on D-Bus, so the same check reads the program under X11 and under Wayland).
# usage: reader_test.sh x11|wayland ASTRIVO WAYLAND_SEAT
# Fails, never skips, when a server, the bus or AT-SPI cannot start.
set -euo pipefail
mode=$1 astrivo=$2 seat=$3
here="$(cd "$(dirname "$0")" && pwd)"
check=(dbus-run-session -- /usr/bin/python3 "$here/reader_test.py" "$astrivo")

case $mode in
  wayland) exec bash "$seat" "${check[@]}" ;;
  x11) ;;
  *) echo "usage: $0 x11|wayland ASTRIVO WAYLAND_SEAT" >&2; exit 2 ;;
esac

work="$(mktemp -d)"
xvfb=""
cleanup() {
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
Xvfb -displayfd 3 -noreset -screen 0 1600x1000x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for ((i = 0; i < 50; ++i)); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; exit 1; }
DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb "${check[@]}"
