#!/usr/bin/env bash
# Installs what Astrivo needs to build, run and test on Debian 12. Run as root (or with sudo).
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-qpa-plugins
  # GIO's headers for the browser fallback, which loads the library when it first runs.
  libglib2.0-dev
  libgl-dev libglu1-mesa-dev libgl1-mesa-dri
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2
  # The German locale's definitions, which a test compiles into the build folder.
  locales
  xvfb xauth desktop-file-utils
  # The package check: metadata, manual pages, lintian.
  appstream lintian dpkg-dev file man-db groff-base
  # Wayland desktops: Qt picks its Wayland platform by itself where this is installed.
  qt6-wayland
  # The Wayland check: a headless compositor with its screenshooter, a fixed date, the X
  # side's window tree and screenshots, the pixel comparison.
  weston libfaketime x11-utils imagemagick python3
  # The keyboard test sends real input through the X server (XTest).
  libxtst-dev
  # The screen reader check: AT-SPI on a private session bus, read with pyatspi, keys typed
  # with xdotool.
  dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0 xdotool
  # The format and tidy checks.
  clang-format clang-tidy
  # The fuzz targets: clang's libFuzzer with ASan and UBSan.
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
