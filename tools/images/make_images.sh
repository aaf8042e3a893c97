#!/bin/sh
# Render every tools/images/*.svg to content/images/<name>.jpg, and a
# large copy of it to content/images/hd/<name>.jpg for big screens.
#
# Each picture is drawn at the size given by the width and height
# attributes of its <svg> element (falling back to the viewBox), turned
# into a PNG by rsvg-convert, then into a JPEG (quality 90) by ImageMagick.
# The large copy is drawn afresh from the SVG at 3.6 times that size,
# rounded to whole pixels (800 x 600 becomes 2880 x 2160, which fills a
# 3840 x 2160 screen's height), and saved at quality 85 to keep it small.
# To add a picture, drop another SVG in this folder and run this again.
#
# Usage: tools/images/make_images.sh [NAME.svg ...]   (default: all)
set -eu

here=$(cd "$(dirname "$0")" && pwd)
out=$(cd "$here/../.." && pwd)/content/images
hd="$out/hd"
# The large copy's scale, in tenths.
hd_tenths=36

# Install the tools we need when they are missing.
need=""
for pkg in librsvg2-bin imagemagick; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        need="$need $pkg"
    fi
done
if [ -n "$need" ]; then
    echo "Installing:$need"
    if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
    $sudo apt-get install -y $need || { $sudo apt-get update && $sudo apt-get install -y $need; }
fi

# Prefer ImageMagick 7's "magick" when present, else "convert".
if command -v magick >/dev/null 2>&1; then im="magick"; else im="convert"; fi

# Print the value of attribute $2 on the <svg> element of file $1.
svg_attr() {
    tr '\n\r\t' '   ' < "$1" \
        | sed -n 's/.*<svg\([^>]*\)>.*/\1/p' \
        | sed -n "s/.*[[:space:]]$2[[:space:]]*=[[:space:]]*[\"']\([^\"']*\)[\"'].*/\1/p"
}

# Whole number of pixels from a length such as "320", "320px" or "320.0".
to_px() {
    echo "$1" | sed -n 's/^[[:space:]]*\([0-9][0-9]*\)\(\.[0-9]*\)\{0,1\}[[:space:]]*\(px\)\{0,1\}[[:space:]]*$/\1/p'
}

mkdir -p "$out" "$hd"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

if [ $# -gt 0 ]; then
    set -- $(for a in "$@"; do echo "$here/$(basename "$a")"; done)
else
    set -- "$here"/*.svg
fi

count=0
for svg in "$@"; do
    [ -f "$svg" ] || { echo "No such picture: $svg" >&2; exit 1; }
    name=$(basename "$svg" .svg)
    w=$(to_px "$(svg_attr "$svg" width)")
    h=$(to_px "$(svg_attr "$svg" height)")
    if [ -z "$w" ] || [ -z "$h" ]; then
        vb=$(svg_attr "$svg" viewBox)
        w=$(to_px "$(echo "$vb" | awk '{print $3}')")
        h=$(to_px "$(echo "$vb" | awk '{print $4}')")
    fi
    if [ -z "$w" ] || [ -z "$h" ]; then
        echo "$svg: cannot tell its size (give the <svg> width and height)" >&2
        exit 1
    fi
    rsvg-convert -w "$w" -h "$h" -b white -o "$tmp/$name.png" "$svg"
    $im "$tmp/$name.png" -background white -alpha remove -alpha off \
        -strip -quality 90 "$out/$name.jpg"
    echo "$out/$name.jpg: ${w}x${h}"
    hw=$(( (w * hd_tenths + 5) / 10 ))
    hh=$(( (h * hd_tenths + 5) / 10 ))
    rsvg-convert -w "$hw" -h "$hh" -b white -o "$tmp/$name-hd.png" "$svg"
    $im "$tmp/$name-hd.png" -background white -alpha remove -alpha off \
        -strip -quality 85 "$hd/$name.jpg"
    echo "$hd/$name.jpg: ${hw}x${hh}"
    count=$((count + 1))
done
echo "$count picture(s) made, each at two sizes."
