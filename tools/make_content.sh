#!/bin/sh
# Remake everything in content/ from the sources in tools/:
#
#   pictures    tools/images/*.py write generated SVGs, then
#               tools/images/make_images.sh     content/images/*.jpg and
#                                               content/images/hd/*.jpg
#   logo        tools/logo/make_logo.sh         content/logo/
#   pages       tools/pages/make_pages.py       content/wmf/*.wmf, content/wmf2/*.wmf
#   sounds      tools/sounds/make_sounds.py     content/wav/*.wav
#   worksheets  tools/worksheets/check_worksheet.py checks every
#               content/multiple/*.txt except track.txt (they are written
#               by hand, so they are checked, not made)
#
# Installs the Debian packages these need when they are missing (with sudo
# when not run as root). Stops at the first step that fails and exits
# non-zero, so it can also be used as a check.
#
# Usage: tools/make_content.sh    (from anywhere)
set -eu

tools=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$tools/.." && pwd)

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

echo "== Pictures"
# Some drawings are generated: their scripts write the SVGs first.
for generator in "$tools"/images/*.py; do
    python3 "$generator" >/dev/null
done
sh "$tools/images/make_images.sh"

echo "== Logo"
sh "$tools/logo/make_logo.sh"

echo "== Teacher pages"
python3 "$tools/pages/make_pages.py"

echo "== Sounds"
python3 "$tools/sounds/make_sounds.py"

echo "== Worksheets"
set --
for f in "$top"/content/multiple/*.txt; do
    [ -f "$f" ] || continue
    [ "$(basename "$f")" = "track.txt" ] && continue
    set -- "$@" "$f"
done
if [ $# -eq 0 ]; then
    echo "No worksheets found in content/multiple/" >&2
    exit 1
fi
python3 "$tools/worksheets/check_worksheet.py" "$@"

echo "All content made."
