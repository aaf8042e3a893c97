#!/usr/bin/env bash
# Builds the Debian package from a built tree, unpacks it into a temporary root and checks what a
# technician installing it would get: every file in its place and nothing outside /usr, the declared
# dependencies, the desktop entry, metainfo and package passing their validators, and the unpacked
# program starting for a new user and keeping worksheets in that user's data folder, or in a folder
# chosen for it, and never below its own installed content.
#
# Usage: check_package.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build=$1 source=$2 version=$3
id=uk.co.corvane.Brambleton
arch=$(dpkg --print-architecture)
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
work=$(mktemp -d)
trap 'kill "${program:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb=$work/out/brambleton_${version}_${arch}.deb
[ -f "$deb" ] || { echo "FAIL: no $deb"; ls "$work/out"; exit 1; }
root=$work/root
dpkg-deb -x "$deb" "$root"

# The files: the program and its modules, every content file as shipped, the desktop's files.
expected=(
    usr/bin/brambleton
    "usr/lib/$multiarch/brambleton/brambleton_sound.so"
    "usr/share/applications/$id.desktop"
    "usr/share/metainfo/$id.metainfo.xml"
    "usr/share/icons/hicolor/scalable/apps/$id.svg"
    usr/share/man/man1/brambleton.1.gz
    usr/share/doc/brambleton/copyright
    usr/share/doc/brambleton/changelog.gz
)
for size in 16 22 24 32 48 64 128 256; do expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png"); done
[ -f "$build/brambleton_speech.so" ] && expected+=("usr/lib/$multiarch/brambleton/brambleton_speech.so")
while IFS= read -r -d '' file; do
    expected+=("usr/share/brambleton/${file#"$source/content/"}")
    cmp -s "$file" "$root/usr/share/brambleton/${file#"$source/content/"}" || fail "content differs or is missing: $file"
done < <(find "$source/content" -type f -print0)
(cd "$root" && find . -type f | sed 's|^\./||' | sort) >"$work/files"
printf '%s\n' "${expected[@]}" | sort >"$work/expected"
diff "$work/expected" "$work/files" || fail "the package's files are not the expected ones (< expected, > packaged)"

# Owned by root, only the program executable, icons of the size their folder says.
dpkg-deb -c "$deb" | awk '$2 != "root/root"' | grep . && fail "files not owned by root"
executables=$(cd "$root" && find . -type f -perm /111 | sed 's|^\./||')
[ "$executables" = usr/bin/brambleton ] || fail "executable files: $executables"
for size in 16 22 24 32 48 64 128 256; do
    png="$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
    # a PNG's width and height are the big-endian words at bytes 16 and 20
    read -r w h < <(od -An -tu1 -j16 -N8 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [ "$w x $h" = "$size x $size" ] || fail "icon ${size}x${size} is $w x $h"
done

# What apt will bring in.
depends=$(dpkg-deb -f "$deb" Depends)
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version $(dpkg-deb -f "$deb" Version)"
needed=(libqt6widgets6 libqt6printsupport6 libqt6multimedia6 fonts-wine fonts-liberation2)
[ -f "$build/brambleton_speech.so" ] && needed+=(libflite1)
for package in "${needed[@]}"; do
    [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] || fail "does not depend on $package: $depends"
done

# The validators.
desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log"; fail "appstreamcli validate"; }
grep -q "version=\"$version\"" "$root/usr/share/metainfo/$id.metainfo.xml" || fail "metainfo release is not $version"
lintian --fail-on error,warning "$deb" 2>&1 | grep -v "running with root privileges" || true
lintian --fail-on error,warning "$deb" >/dev/null 2>&1 || fail "lintian finds errors or warnings"

# The unpacked program, as a new user: its version, and where it keeps worksheets.
[ "$("$root/usr/bin/brambleton" --version)" = "Brambleton $version" ] || fail "--version"
zcat "$root/usr/share/man/man1/brambleton.1.gz" | grep -qF -- '\-\-worksheets' || fail "the manual page has no --worksheets"
shipped=$root/usr/share/brambleton/multiple
(cd "$root" && find usr -print | sort) >"$work/tree-before"
# Starts the program with a fresh home, waits until its worksheet folder $1 holds the shipped
# register, and ends it.
starts_and_seeds() {
    local folder=$1
    shift
    rm -rf "$work/home"
    mkdir -p "$work/home"
    env -i PATH="$PATH" HOME="$work/home" QT_QPA_PLATFORM=offscreen "$@" "$root/usr/bin/brambleton" \
        ${BRAMBLETON_ARGS:-} >"$work/program.log" 2>&1 &
    program=$!
    for _ in $(seq 100); do
        [ -f "$folder/track.txt" ] && break
        kill -0 "$program" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$program" 2>/dev/null || { cat "$work/program.log"; fail "the program ended at start"; }
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    program=
    for file in "$shipped"/*; do
        cmp -s "$file" "$folder/$(basename "$file")" || fail "$folder does not hold $(basename "$file")"
    done
}
starts_and_seeds "$work/home/.local/share/brambleton/multiple"
starts_and_seeds "$work/school sheets" BRAMBLETON_WORKSHEETS="$work/school sheets"
[ -e "$work/home/.local/share/brambleton/multiple" ] && fail "a chosen folder still seeded the user's own"
BRAMBLETON_ARGS="--worksheets=$work/option" starts_and_seeds "$work/option"
(cd "$root" && find usr -print | sort) | diff "$work/tree-before" - || fail "the program wrote below its installed tree"

# The sound module is opened from the installed module folder, once the title screen is up. The loader's
# log names every path tried; only the one opened gets a link map.
module="$root/usr/lib/$multiarch/brambleton/brambleton_sound.so"
env -i PATH="$PATH" HOME="$work/home" QT_QPA_PLATFORM=offscreen LD_DEBUG=files LD_DEBUG_OUTPUT="$work/ld" \
    "$root/usr/bin/brambleton" >/dev/null 2>&1 &
program=$!
for _ in $(seq 100); do
    grep -qsF "file=$module [0];  generating link map" "$work"/ld.* && break
    sleep 0.1
done
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
program=
grep -qsF "file=$module [0];  generating link map" "$work"/ld.* || fail "the sound module was not opened from $module"

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "package $(basename "$deb"): $(stat -c %s "$deb") bytes, installed size $(dpkg-deb -f "$deb" Installed-Size) KiB"
