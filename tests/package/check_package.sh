#!/usr/bin/env bash
# Builds the Debian package from the build folder with CPack, twice, and checks it as a user's
# system meets it: the same bytes from both runs, the exact file list, the control fields, no
# RUNPATH, the metadata, the desktop entry and the manual pages each passing its own checker,
# the shell completion in a real bash, and the window program's --help without a display.
#   check_package.sh BUILD_DIR WORK_DIR ARTWORK_TOOL SOURCE_DIR
set -euo pipefail
build=$1 work=$2 artwork=$3 source=$4
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

rm -rf "$work"
mkdir -p "$work"
# The second run comes a second later, so a time stamp of the run would show in its bytes. The
# package's own default for SOURCE_DATE_EPOCH is what makes them equal, not the caller's.
for run in out again; do
  if ! env -u SOURCE_DATE_EPOCH cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/$run" \
    >"$work/cpack-$run.log" 2>&1; then
    cat "$work/cpack-$run.log"
    exit 1
  fi
  sleep 1
done
debs=("$work"/out/astrivo_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no single astrivo_*.deb"; exit 1; }
deb=${debs[0]}
cmp "$deb" "$work/again/$(basename "$deb")" || fail "two cpack runs of one build differ"
root=$work/root
dpkg-deb -x "$deb" "$root"

# Every file the package installs, and nothing else.
expected="usr/bin/astrivo
usr/bin/astrivo-cli
usr/share/applications/astrivo.desktop
usr/share/bash-completion/completions/astrivo-cli
usr/share/doc/astrivo/changelog.gz
usr/share/doc/astrivo/copyright
usr/share/icons/hicolor/128x128/apps/astrivo.png
usr/share/icons/hicolor/16x16/apps/astrivo.png
usr/share/icons/hicolor/24x24/apps/astrivo.png
usr/share/icons/hicolor/256x256/apps/astrivo.png
usr/share/icons/hicolor/32x32/apps/astrivo.png
usr/share/icons/hicolor/48x48/apps/astrivo.png
usr/share/icons/hicolor/64x64/apps/astrivo.png
usr/share/icons/hicolor/scalable/apps/astrivo.svg
usr/share/man/man1/astrivo-cli.1.gz
usr/share/man/man1/astrivo.1.gz
usr/share/metainfo/example.astrivo.Astrivo.metainfo.xml"
actual=$(cd "$root" && find . -type f -printf '%P\n' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "file list differs:
$(diff <(echo "$expected") <(echo "$actual"))"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = astrivo ] || fail "Package: $(field Package)"
[ "$(field Maintainer)" = "Kavero <astrivo@astrivo.example>" ] || fail "Maintainer: $(field Maintainer)"
# dpkg-shlibdeps finds the libraries the programs link; Qt's platform plugins are named by hand.
for dependency in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libopengl0 'libglu1-mesa | libglu1' qt6-qpa-plugins; do
  grep -qF -- "$dependency" <<<"$(field Depends)" || fail "Depends lacks $dependency: $(field Depends)"
done

for program in astrivo astrivo-cli; do
  binary=$root/usr/bin/$program
  file -b "$binary" | grep -q '^ELF .*, stripped' || fail "$program is not a stripped ELF program"
  readelf -d "$binary" | grep -qE 'RPATH|RUNPATH' && fail "$program carries $(readelf -d "$binary" | grep -E 'RPATH|RUNPATH')"
done

appstreamcli validate --no-net "$root/usr/share/metainfo/example.astrivo.Astrivo.metainfo.xml" ||
  fail "appstreamcli rejects the metadata"
grep -q '<release version="[0-9.]*" date="[0-9-]*"/>' \
  "$root/usr/share/metainfo/example.astrivo.Astrivo.metainfo.xml" || fail "no configured release"
desktop-file-validate "$root/usr/share/applications/astrivo.desktop" || fail "desktop entry"

# A page renders cleanly when groff has nothing to warn about at the strictest level and man
# formats it without complaint.
for page in "$root"/usr/share/man/man1/*.1.gz; do
  warnings=$(zcat "$page" | groff -man -ww -z -Tutf8 2>&1)
  [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man -l $(basename "$page"): $warnings"
  grep -q '@' <(zcat "$page") && fail "$(basename "$page") has an unconfigured @VARIABLE@"
done
# Each page's sections as man shows them, and the facts a reader looks for in each: the
# options under OPTIONS, every output field with its unit, the limits, the window's settings.
section() {
  MANWIDTH=200 man -l "$root/usr/share/man/man1/$1.1.gz" 2>/dev/null | sed -n "/^$2\$/,/^[A-Z]/p"
}
while IFS='|' read -r page heading text; do
  section "$page" "$heading" | tr -s '\n ' '  ' | grep -qF -- "$text" || fail "$page(1) $heading lacks '$text'"
done <<'EOF'
astrivo-cli|OPTIONS|--daily
astrivo-cli|OPTIONS|--help, -h
astrivo-cli|OPTIONS|--to YYYY-MM-DD
astrivo-cli|COMMANDS|help [COMMAND]
astrivo-cli|DESCRIPTION|Birth dates have years from 1901 to 2099.
astrivo-cli|DESCRIPTION|lies within 1 March 1900 to 28 February 2100
astrivo-cli|COMMANDS|at most 366 days
astrivo-cli|OUTPUT|signIndex
astrivo-cli|OUTPUT|whole days since 31 December 1999
astrivo-cli|OUTPUT|in astronomical units
astrivo-cli|OUTPUT|ringRadius
astrivo-cli|OUTPUT|in degrees
astrivo-cli|EXIT STATUS|The output could not be written.
astrivo-cli|EXAMPLES|"sign": "AQUARIUS",
astrivo-cli|EXAMPLES|"from": "2004-06-14"
astrivo|OPTIONS|--version
astrivo|OPTIONS|standard options work as in any Qt program
astrivo|CLOSING THE WINDOW|Escape
astrivo|FILES|$XDG_CONFIG_HOME/Kavero/astrivo.conf
astrivo|FILES|astrivo.conf.damaged-2
astrivo|ENVIRONMENT|QT_SCALE_FACTOR
EOF
for heading in COMMANDS DESCRIPTION; do
  section astrivo-cli "$heading" | grep -qE -- '^ +--(daily|help)' && fail "astrivo-cli(1) $heading lists an option"
done

# The completion as bash meets it: COMP_WORDS up to the cursor, and what the function offers.
completion=$root/usr/share/bash-completion/completions/astrivo-cli
while IFS='|' read -r line offered; do
  got=$(bash --norc --noprofile -c '
    source "$1"
    read -ra COMP_WORDS <<<"$2"
    [[ $2 == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _astrivo_cli
    echo "${COMPREPLY[*]}"' - "$completion" "$line")
  [ "$got" = "$offered" ] || fail "completing '$line' offers '$got', not '$offered'"
done <<'EOF'
astrivo-cli r|rate
astrivo-cli |rate bodies signs help --help --version
astrivo-cli rate --|--birth --period --today --from --to --daily --help
astrivo-cli rate --birth 1980-06-15 --period |today tomorrow week month
astrivo-cli rate --period = t|today tomorrow
astrivo-cli rate --birth 1980-06-15 --daily --t|--today --to
astrivo-cli rate --birth |
astrivo-cli bodies -|--date --help
astrivo-cli help s|signs
astrivo-cli signs --|--help
EOF
# And in an interactive bash on a terminal, where readline splits the words itself.
while IFS='|' read -r line completed; do
  typed=$(python3 "$source/tests/package/complete_in_bash.py" "$completion" "$line") ||
    fail "no interactive bash session: $typed"
  [ "$typed" = "$completed" ] || fail "Tab after '$line' in bash gives '$typed'"
done <<'EOF'
astrivo-cli r|astrivo-cli rate 
astrivo-cli rate --period=we|astrivo-cli rate --period=week 
EOF

# The window program answers --help and --version without a display, so before Qt starts.
for option in --help --version; do
  answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/astrivo" "$option" 2>&1) ||
    fail "astrivo $option failed: $answer"
  case $option in
    --help) grep -q '^Usage: astrivo' <<<"$answer" || fail "astrivo --help: $answer" ;;
    --version) [ "$answer" = "astrivo $(field Version)" ] || fail "astrivo --version: $answer" ;;
  esac
done
# Every other argument is still Qt's: Qt itself names the platform plugin it cannot find.
answer=$( (ulimit -c 0; env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/astrivo" -platform no-such-qpa) 2>&1) &&
  fail "astrivo started without a platform"
grep -q 'platform plugin "no-such-qpa"' <<<"$answer" || fail "astrivo -platform is not Qt's: $answer"

grep -qx ' Copyright Kavero. All rights reserved.' "$root/usr/share/doc/astrivo/copyright" ||
  fail "copyright notice"
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  "$root/usr/share/doc/astrivo/copyright" || fail "copyright is not machine-readable"

# The scalable icon is what the artwork tool writes today, not a hand-edited copy.
QT_QPA_PLATFORM=offscreen "$artwork" "$work/artwork" >/dev/null 2>&1 || fail "astrivo-artwork failed"
cmp -s "$work/artwork/astrivo.svg" "$root/usr/share/icons/hicolor/scalable/apps/astrivo.svg" ||
  fail "the installed SVG icon is not the artwork tool's"
cmp -s "$work/artwork/astrivo.svg" "$source/res/pictures/astrivo.svg" ||
  fail "res/pictures/astrivo.svg is not the artwork tool's"

# Debian's own checker, up to warnings. The copyright notice names no year because none is
# given, which lintian reads as no notice at all.
lintian --fail-on error,warning --suppress-tags copyright-without-copyright-notice "$deb" ||
  fail "lintian"

[ "$failures" -eq 0 ] || exit 1
echo "$(basename "$deb"): all checks passed"
