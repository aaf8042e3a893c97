#!/bin/sh
# Make the Corvane Publishing Ltd logo pictures in content/logo/:
#
#   corvane2.bmp               120 x 89, 24-bit Windows BMP: the round
#                              mark with the name underneath
#   corv0000.gif-corv0019.gif  120 x 120 each: twenty frames in which the
#                              raven beats its wings once; played at 25 ms
#                              a frame they loop smoothly (frame 19 leads
#                              into frame 0)
#
# and the same at 3.6 times the size, for big screens, in content/logo/hd/:
#
#   corvane2.bmp               432 x 320, 24-bit Windows BMP
#   corv0000.png-corv0019.png  432 x 432 each, 24-bit PNG (a GIF's 256
#                              colours would band the disc's gradient at
#                              this size)
#
# corvane.py (beside this script) draws each picture as SVG; rsvg-convert
# turns it into a PNG and ImageMagick writes the BMPs, the GIFs and the
# large PNGs. All the GIFs share one palette, so the colours do not flicker
# between frames.
#
# Usage: tools/logo/make_logo.sh
set -eu

here=$(cd "$(dirname "$0")" && pwd)
out=$(cd "$here/../.." && pwd)/content/logo
hd="$out/hd"

# Install the tools we need when they are missing.
need=""
for pkg in librsvg2-bin imagemagick python3; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        need="$need $pkg"
    fi
done
if [ -n "$need" ]; then
    echo "Installing:$need"
    if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
    # shellcheck disable=SC2086  # $need is a list of package names
    $sudo apt-get install -y $need || { $sudo apt-get update && $sudo apt-get install -y $need; }
fi

# Prefer ImageMagick 7's "magick" when present, else "convert".
if command -v magick >/dev/null 2>&1; then im="magick"; else im="convert"; fi

mkdir -p "$out" "$hd"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The still logo.
python3 "$here/corvane.py" still "$tmp/still.svg"
rsvg-convert -w 120 -h 89 -b white -o "$tmp/still.png" "$tmp/still.svg"
$im "$tmp/still.png" -background white -alpha remove -alpha off -strip \
    -type TrueColor "BMP3:$out/corvane2.bmp"
echo "$out/corvane2.bmp: 120x89"
rsvg-convert -w 432 -h 320 -b white -o "$tmp/still-hd.png" "$tmp/still.svg"
$im "$tmp/still-hd.png" -background white -alpha remove -alpha off -strip \
    -type TrueColor "BMP3:$hd/corvane2.bmp"
echo "$hd/corvane2.bmp: 432x320"

# The animation frames.
frames=""
n=0
while [ $n -lt 20 ]; do
    name=$(printf 'corv%04d' $n)
    python3 "$here/corvane.py" frame $n "$tmp/$name.svg"
    rsvg-convert -w 120 -h 120 -b white -o "$tmp/$name.png" "$tmp/$name.svg"
    frames="$frames $tmp/$name.png"
    n=$((n + 1))
done
# One palette made from all the frames together.
# shellcheck disable=SC2086  # $frames is a list of file names (no spaces)
$im $frames -background white -alpha remove -alpha off -append \
    +dither -colors 255 -unique-colors "$tmp/palette.png"
for png in $frames; do
    name=$(basename "$png" .png)
    $im "$png" -background white -alpha remove -alpha off +dither \
        -remap "$tmp/palette.png" -strip "$out/$name.gif"
done
echo "$out/corv0000.gif ... corv0019.gif: 120x120"

# The large frames, drawn afresh from the same SVGs.
n=0
while [ $n -lt 20 ]; do
    name=$(printf 'corv%04d' $n)
    rsvg-convert -w 432 -h 432 -b white -o "$tmp/$name-hd.png" "$tmp/$name.svg"
    $im "$tmp/$name-hd.png" -background white -alpha remove -alpha off -strip \
        -type TrueColor -define png:exclude-chunks=date,time "PNG24:$hd/$name.png"
    n=$((n + 1))
done
echo "$hd/corv0000.png ... corv0019.png: 432x432"
