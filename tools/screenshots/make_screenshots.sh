#!/bin/sh
# Takes the screenshot the AppStream metainfo shows (packaging/screenshots/menu.png): the main menu full
# screen at 1920x1080, from the built preview tool on a private Xvfb display. Publish it at the address the
# metainfo gives. Needs xvfb and imagemagick, and a build (cmake --build --preset default).
#
# Usage: tools/screenshots/make_screenshots.sh    (from anywhere)
set -eu

top=$(cd "$(dirname "$0")/../.." && pwd)
out="$top/packaging/screenshots"
mkdir -p "$out"
display=:97
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $preview $xvfb 2>/dev/null || true' EXIT
preview=
sleep 1
DISPLAY=$display "$top/build/default/brambleton_preview" menu --full >/dev/null 2>&1 &
preview=$!
sleep 4
DISPLAY=$display import -window root "$out/menu.png"
echo "screenshot written to $out/menu.png"
