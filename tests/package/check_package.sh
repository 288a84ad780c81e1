#!/usr/bin/env bash
# Builds the Debian package from the build folder with CPack and checks it as a user's system
# meets it: the exact file list, the control fields, no RUNPATH, and the metadata, the desktop
# entry and the manual pages each passing its own checker.
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
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  exit 1
fi
debs=("$work"/out/astrivo_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no single astrivo_*.deb"; exit 1; }
deb=${debs[0]}
root=$work/root
dpkg-deb -x "$deb" "$root"

# Every file the package installs, and nothing else.
expected="usr/bin/astrivo
usr/bin/astrivo-cli
usr/share/applications/astrivo.desktop
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
MANWIDTH=80 man -l "$root/usr/share/man/man1/astrivo-cli.1.gz" 2>/dev/null | grep -q -- '--daily' ||
  fail "astrivo-cli(1) does not explain --daily"

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
