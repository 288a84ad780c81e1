#!/usr/bin/env bash
# The birth date kept however the program ends, as the user meets it: the astrivo executable
# on a display server, a date typed with real keys (XTest, through xdotool), then a signal, a
# kill or the display server's end, and the settings file read back. The expected files are
# the typed dates written out by hand; the seeded file holds 7 September 1975.
# usage: session_end_test.sh [--wayland] [--shard K/N] ASTRIVO [NAME]
#   Starts an Xvfb of its own for each case; with --wayland, runs the Wayland rows as a client
#   of tools/wayland_seat.sh instead. With NAME, only the cases whose name holds it. With
#   --shard, only every Nth of the platform's cases from the Kth (1..N), so that N runs side by
#   side share the cases' idle waits.
set -uo pipefail
wayland=0
if [ "${1:-}" = --wayland ]; then wayland=1; shift; fi
shard=1 shards=1
if [ "${1:-}" = --shard ]; then
  IFS=/ read -r shard shards <<<"$2"
  shift 2
fi
astrivo=$(realpath "$1")
only=${2:-}  # runs only the cases whose name holds this

readonly settle_limit=40     # s for the window to appear and the replay after start-up to end
readonly exit_limit_ms=1000  # from the signal to the end of the process
readonly rest_ticks=3        # CPU ticks allowed in 5 s at rest
readonly seeded=$'[user]\nstart%20day=7\nstart%20month=9\nstart%20year=1975\n'

# name | platforms (x: X11, w: Wayland) | keys after the replay | how the program ends |
# status | the file afterwards ("seeded" or day/month/year).
# The focus starts on the tilt slider; Tab reaches Month, then Day, then Year, each with its
# text selected, so typing replaces it. Return runs OK, which prompts for a day of 45; F1
# opens the About box. Signals come within a few milliseconds of the last key, before the
# fields are stored on their own, so the file shows what the signal stored; "pause" waits
# 1 s first, long enough for that store; "soon" sends the signal 0.3 s after the start, before
# the window is up, and allows the start-up's own time on top of the limit. Before the rest, Tab takes the focus to Submit, away
# from a field's blinking caret, whose repaints cost ticks of their own on Wayland. The
# display server's end comes last: on Wayland it ends the compositor of tools/wayland_seat.sh.
cases=(
  "SIGTERM|xw|Tab 7 Tab 2 3 Tab 1 9 8 5|TERM|0|23/7/1985"
  "SIGHUP with the prompt open|xw|Tab 7 Tab 4 5 Tab 1 9 8 5 Return|pause HUP|0|45/7/1985"
  "SIGINT with the About box open|x|Tab 3 Tab 1 4 Tab 2 0 2 1 F1|INT|0|14/3/2021"
  "SIGINT twice in a row|x|Tab 1 2 Tab 3 1 Tab 1 9 9 9|INT INT|0|31/12/1999"
  "SIGTERM with nothing typed|x||TERM|0|7/9/1975"
  "SIGTERM while the program starts|x||soon TERM|0|7/9/1975"
  "SIGKILL at once: the file stays whole|x|Tab 7 Tab 2 3 Tab 1 9 8 5|KILL|137|seeded"
  "SIGKILL after a pause at rest|xw|Tab 7 Tab 2 3 Tab 1 9 8 5 Tab|pause rest KILL|137|23/7/1985"
  "the display server goes away|xw|Tab 1 1 Tab 5 Tab 1 9 6 0|pause display|any|5/11/1960"
)

failures=0
fail() {
  echo "FAIL [$name]: $*"
  failures=$((failures + 1))
}

expected_file() {
  if [ "$1" = seeded ]; then
    printf '%s' "$seeded"
    return
  fi
  IFS=/ read -r day month year <<<"$1"
  printf '[user]\nstart%%20day=%s\nstart%%20month=%s\nstart%%20year=%s\n' "$day" "$month" "$year"
}

# Visible top-level windows with the program's name in their title: the main window, and a
# box over it (a prompt, the About box).
windows() { xdotool search --onlyvisible --name 'Astrivo' 2>/dev/null | wc -l; }

screen() { import -window root rgb:- 2>/dev/null | md5sum; }

# Waits until the screen shows the same twice, 0.5 s apart, and differs from `blank`, the
# screen before the program started: the window is up and the replay after start-up has
# ended, so the fields take typing again.
settle() {
  local blank=$1 previous="" shot
  for ((i = 0; i < settle_limit * 2; ++i)); do
    sleep 0.5
    shot=$(screen)
    [ "$shot" = "$previous" ] && [ "$shot" != "$blank" ] && return 0
    previous=$shot
  done
  fail "the window did not settle within $settle_limit s"
}

# Waits up to 3 s for a box over the main window. On Wayland the X server sees only weston's
# window, so there the box is taken on trust.
box_shown() {
  ((wayland)) && return 0
  for ((i = 0; i < 30; ++i)); do
    [ "$(windows)" = 2 ] && return 0
    sleep 0.1
  done
  return 1
}

# The weston that tools/wayland_seat.sh, this script's parent, started beside it.
compositor() {
  local child
  for child in $(cat "/proc/$PPID/task/$PPID/children"); do
    [ "$(cat "/proc/$child/comm" 2>/dev/null)" = weston ] && echo "$child"
  done
}

# utime + stime of a process, in ticks.
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

run_case() {
  local keys=$2 ending=$3 status=$4 file=$5
  local work xvfb=""
  work=$(mktemp -d)
  mkdir -p "$work/config/Kavero"
  printf '%s' "$seeded" >"$work/config/Kavero/astrivo.conf"
  if ((!wayland)); then
    Xvfb -displayfd 3 -noreset -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
    xvfb=$!
    for ((i = 0; i < 100; ++i)); do [ -s "$work/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$work/display")"
  fi
  local blank
  blank=$(screen)
  HOME=$work XDG_CONFIG_HOME=$work/config "$astrivo" 2>"$work/log" &
  local pid=$!
  local limit_ms=$exit_limit_ms
  if [[ $ending == soon* ]]; then
    sleep 0.3
    limit_ms=$((exit_limit_ms + settle_limit * 1000))
  else
    settle "$blank"
  fi
  if [ -z "$keys" ]; then
    :
  elif ((wayland)); then
    xdotool mousemove 200 200  # the X focus follows the pointer into weston's window
  else
    xdotool windowfocus --sync "$(xdotool search --onlyvisible --name '^Astrivo$' | head -1)"
  fi
  # shellcheck disable=SC2086
  [ -n "$keys" ] && xdotool key --delay 30 $keys
  local step sent=""
  for step in $ending; do
    case $step in
      soon) ;;
      pause)
        sleep 1
        [[ $keys == *Return* ]] && ! box_shown && fail "no prompt over the window"
        ;;
      rest)
        local before
        before=$(ticks "$pid")
        sleep 5
        local used=$(($(ticks "$pid") - before))
        echo "[$name] $used CPU ticks in 5 s at rest"
        ((used <= rest_ticks)) || fail "$used CPU ticks in 5 s at rest"
        ;;
      display)
        if ((wayland)); then
          kill "$(compositor)"
        else
          kill "$xvfb"
          xvfb=""
        fi
        sent=$(date +%s%N)
        ;;
      *)
        [[ $keys == *F1* ]] && ! box_shown && fail "no About box over the window"
        kill -s "$step" "$pid"
        sent=${sent:-$(date +%s%N)}
        ;;
    esac
  done
  while kill -0 "$pid" 2>/dev/null && (($(date +%s%N) - sent < (limit_ms + 4000) * 1000000)); do
    sleep 0.02
  done
  local took=$((($(date +%s%N) - sent) / 1000000))
  if kill -0 "$pid" 2>/dev/null; then
    fail "still running $took ms after the end was asked for"
    kill -KILL "$pid"
  fi
  wait "$pid"
  local got=$?
  [ "$status" = any ] || [ "$got" = "$status" ] || fail "exit status $got, expected $status"
  [ "$status" = 0 ] && ((took > limit_ms)) && fail "took $took ms to end"
  local want
  want=$(expected_file "$file")
  local have
  have=$(cat "$work/config/Kavero/astrivo.conf")
  [ "$have" = "$want" ] || fail "the file holds '$have', expected '$want'"
  [ -n "$xvfb" ] && kill "$xvfb" && wait "$xvfb" 2>/dev/null
  echo "done [$name] in $took ms"
  rm -rf "$work"
}

platform=x
((wayland)) && platform=w
index=0 ran=0
for row in "${cases[@]}"; do
  IFS='|' read -r name platforms keys ending status file <<<"$row"
  [[ $platforms == *$platform* ]] || continue
  index=$((index + 1))
  ((index % shards == shard % shards)) && [[ $name == *$only* ]] || continue
  run_case "$name" "$keys" "$ending" "$status" "$file"
  ran=$((ran + 1))
done
((ran > 0)) || fail "no case matched"
((failures == 0)) && echo "all $ran cases passed"
exit $((failures > 0))
