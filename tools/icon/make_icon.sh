#!/bin/sh
# Renders the application icon, tools/icon/brambleton.svg, as PNGs at the sizes desktops ask for, in
# packaging/icons/ (the package installs them and the SVG into the hicolor theme, and the program uses them
# as its window icon). Needs rsvg-convert (librsvg2-bin).
#
# Usage: tools/icon/make_icon.sh    (from anywhere)
set -eu

top=$(cd "$(dirname "$0")/../.." && pwd)
out="$top/packaging/icons"
mkdir -p "$out"
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" "$top/tools/icon/brambleton.svg" -o "$out/brambleton-$size.png"
done
echo "icons written to $out"
