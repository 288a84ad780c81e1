#!/usr/bin/env bash
# The main window's icon as a desktop reads it (_NET_WM_ICON), once the sky has painted and
# when it cannot paint at all (no GL integration: the view is exposed but never draws). The
# expected sizes are the icon set's seven drawings, 16 to 256 pixels, written out by hand.
# usage: window_icon_test.sh ASTRIVO   (an X11 client; run it through tools/x_seat.sh)
set -uo pipefail
astrivo=$(realpath "$1")
readonly expected="16x16 24x24 32x32 48x48 64x64 128x128 256x256"
readonly limit=20  # s for the window and its icon to appear

failures=0
for gl in default none; do
  work=$(mktemp -d)
  if [ "$gl" = none ]; then
    QT_XCB_GL_INTEGRATION=none HOME=$work XDG_CONFIG_HOME=$work "$astrivo" 2>"$work/log" &
  else
    HOME=$work XDG_CONFIG_HOME=$work "$astrivo" 2>"$work/log" &
  fi
  pid=$!
  sizes=""
  for ((i = 0; i < limit * 10; ++i)); do
    window=$(xdotool search --onlyvisible --name '^Astrivo$' 2>/dev/null | head -1)
    if [ -n "$window" ]; then
      sizes=$(xprop -len 4000000 -id "$window" _NET_WM_ICON 2>/dev/null |
        sed -n 's/.*Icon (\([0-9]*\) x \([0-9]*\)).*/\1x\2/p' | sort -n | tr '\n' ' ')
      [ -n "$sizes" ] && break
    fi
    sleep 0.1
  done
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  if [ "${sizes% }" != "$expected" ]; then
    echo "FAIL [GL $gl]: icon sizes '${sizes% }', expected '$expected'"
    cat "$work/log"
    failures=$((failures + 1))
  else
    echo "ok [GL $gl]: $expected"
  fi
  rm -rf "$work"
done
exit $((failures > 0))
