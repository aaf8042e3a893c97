#!/bin/sh
# Put every content/images/*.jpg on one sheet, each at its real size with
# its file name and size under it, so all the pictures can be checked
# together.  Pictures are grouped by height (tallest first) and laid out
# in rows no wider than SHEET_WIDTH pixels (default 1700).
#
# Usage: tools/images/contact_sheet.sh [OUTPUT.png]
#        (default /tmp/contact_sheet.png)
set -eu

here=$(cd "$(dirname "$0")" && pwd)
images=$(cd "$here/../.." && pwd)/content/images
sheet=${1:-/tmp/contact_sheet.png}
maxw=${SHEET_WIDTH:-1700}
bg='#d8d8d8'

# ImageMagick does the work; install it when it is missing.
if ! command -v identify >/dev/null 2>&1; then
    echo "Installing: imagemagick"
    if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
    $sudo apt-get install -y imagemagick || { $sudo apt-get update && $sudo apt-get install -y imagemagick; }
fi
if command -v magick >/dev/null 2>&1; then im="magick"; else im="convert"; fi

set -- "$images"/*.jpg
[ -f "$1" ] || { echo "No pictures in $images" >&2; exit 1; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# One tile per picture: the picture at its own size, its name underneath.
n=0
for jpg in "$@"; do
    n=$((n + 1))
    name=$(basename "$jpg")
    size=$(identify -format '%wx%h' "$jpg")
    tile=$(printf '%s/tile%04d.png' "$tmp" "$n")
    $im "$jpg" \( -background "$bg" -fill '#202020' -pointsize 12 \
        label:"$name  $size" \) -background "$bg" -gravity center -append \
        -bordercolor "$bg" -border 8x6 "$tile"
    echo "$(identify -format '%h %w' "$tile") $name $tile" >> "$tmp/list"
done

# Tallest first (then by name); fill each row up to the sheet width.
row=0
width=0
tiles=""
sort -k1,1nr -k3,3 "$tmp/list" > "$tmp/sorted"
while read -r h w name tile; do
    if [ -n "$tiles" ] && [ $((width + w)) -gt "$maxw" ]; then
        row=$((row + 1))
        $im $tiles -background "$bg" -gravity north +append \
            "$(printf '%s/row%04d.png' "$tmp" "$row")"
        tiles=""
        width=0
    fi
    tiles="$tiles $tile"
    width=$((width + w))
done < "$tmp/sorted"
row=$((row + 1))
$im $tiles -background "$bg" -gravity north +append \
    "$(printf '%s/row%04d.png' "$tmp" "$row")"

$im "$tmp"/row*.png -background "$bg" -gravity west -append +repage -depth 8 "$sheet"
echo "$sheet: $n picture(s) in $row row(s)"
