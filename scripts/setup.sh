#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Brambleton need.
# Idempotent: only what is missing is installed, with sudo when not root.
set -euo pipefail

packages=(
  # build; clang and its sanitizer and libFuzzer runtimes for the fuzz targets
  g++ cmake ninja-build pkg-config clang libclang-rt-14-dev
  # Qt 6: widgets, print support, sound, SVG, extra image formats
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-image-formats-plugins
  libqt6svg6 libqt6multimedia6
  # read-aloud: the flite voice; the tests play it into a sound server of their own with a null output
  flite1-dev libflite1 pulseaudio pulseaudio-utils
  # fonts the layouts were drawn for: Tahoma and MS Sans Serif, Times New Roman's metric twin
  fonts-wine fonts-liberation2 fontconfig
  # headless runs and screenshots
  xvfb xauth
  # printing: the tests print end to end through a CUPS server with a PDF printer
  cups cups-client cups-bsd printer-driver-cups-pdf
  # the Debian package: made by CPack (file finds the binaries, dpkg-shlibdeps their libraries) and checked
  # by the validators
  file dpkg-dev lintian desktop-file-utils appstream
)

# One query for all of them, so that a start with nothing missing is quick.
installed=$(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null |
  awk '$NF == "installed" && $(NF-1) == "ok" { print $1 }' || true)
missing=()
for p in "${packages[@]}"; do
  grep -qx -- "$p" <<<"$installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_=""
  [ "$(id -u)" = 0 ] || sudo_=sudo
  echo "Installing: ${missing[*]}"
  $sudo_ apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
