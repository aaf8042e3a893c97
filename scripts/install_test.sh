#!/usr/bin/env bash
# Installs the package in a fresh Debian 12 root, as a school's technician would, and starts it there as a
# new ordinary user; then removes it and checks that nothing of it is left. It prints what apt brought in
# and saves a screenshot of the first start (install-test.png, or the path given). Needs root, mmdebstrap
# and the Debian mirror, and takes some minutes; the normal tests do not run it.
#
# Usage: scripts/install_test.sh [PACKAGE.deb [SCREENSHOT.png]]
#        (without a package, the one CPack makes from build/default). With RECOMMENDS=no, apt installs
#        only what the package depends on.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" = 0 ] || { echo "install_test.sh needs root (it makes a Debian root with mmdebstrap)"; exit 2; }
command -v mmdebstrap >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq mmdebstrap >/dev/null

deb=${1:-}
if [ -z "$deb" ]; then
    (cd build/default && cpack >/dev/null)
    deb=$(ls build/default/package/brambleton_*_"$(dpkg --print-architecture)".deb)
fi
deb=$(realpath "$deb")
shot=$(realpath -m "${2:-install-test.png}")
root=$(mktemp -d /tmp/brambleton-root.XXXXXX)
cleanup() {
    umount "$root/dev/pts" "$root/dev/shm" "$root/proc" 2>/dev/null || true
    rm -rf "$root"
}
trap cleanup EXIT
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }

echo "== A fresh Debian 12 root"
mmdebstrap --quiet --variant=minbase bookworm "$root" http://deb.debian.org/debian
mount -t proc proc "$root/proc"
mount -t tmpfs shm "$root/dev/shm"
mount -t devpts devpts "$root/dev/pts"
cp "$deb" "$root/tmp/"
package=/tmp/$(basename "$deb")

echo "== apt install $package"
in_root apt-get update -qq
before=$(in_root dpkg-query -W -f='${Package}\n' | wc -l)
recommends=--install-recommends
[ "${RECOMMENDS:-yes}" = no ] && recommends=--no-install-recommends
in_root apt-get install -y "$recommends" "$package" | tee "$root/tmp/install.log" | grep -E "newly installed|additional disk space"
after=$(in_root dpkg-query -W -f='${Package}\n' | wc -l)
echo "packages: $before before, $after after; the largest brought in (KiB):"
in_root dpkg-query -W -f='${Installed-Size} ${Package}\n' | sort -n | tail -8 | sed 's/^/  /'
for library in /usr/bin/brambleton /usr/lib/*/brambleton/*.so; do
    in_root sh -c "ldd $library" | grep "not found" && { echo "FAIL: $library is missing a library"; exit 1; }
done
in_root brambleton --version

echo "== First start as a new ordinary user"
in_root apt-get install -y -qq --no-install-recommends xvfb x11-apps >/dev/null
in_root useradd --create-home pupil
in_root su pupil -c 'cd ~ && (Xvfb :7 -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &) && sleep 2 &&
    (DISPLAY=:7 XDG_RUNTIME_DIR=/tmp/pupil-run brambleton >/tmp/brambleton.log 2>&1 &) && sleep 8 &&
    xwd -root -display :7 -silent >/tmp/first-start.xwd'
convert "xwd:$root/tmp/first-start.xwd" "$shot"
echo "screenshot: $shot"
sed 's/^/  program: /' "$root/tmp/brambleton.log"
in_root su pupil -c 'ls -l ~/.local/share/brambleton/multiple'
for file in "$root"/usr/share/brambleton/multiple/*; do
    cmp "$file" "$root/home/pupil/.local/share/brambleton/multiple/$(basename "$file")" ||
        { echo "FAIL: the pupil's worksheet folder was not seeded"; exit 1; }
done
pkill -f "Xvfb :7" 2>/dev/null || true
in_root sh -c 'pkill -u pupil' 2>/dev/null || true

echo "== apt purge brambleton"
in_root dpkg -L brambleton >"$root/tmp/files"
in_root apt-get purge -y -qq brambleton >/dev/null
left=0
while IFS= read -r path; do
    [ -e "$root$path" ] || continue
    [ -d "$root$path" ] && [ -n "$(in_root dpkg -S "$path" 2>/dev/null)" ] && continue  # a folder another package owns
    echo "left behind: $path"
    left=$((left + 1))
done <"$root/tmp/files"
[ "$left" = 0 ] || { echo "FAIL: $left files left after removal"; exit 1; }
echo "removed: none of its $(wc -l <"$root/tmp/files") paths left"
echo "install test passed"
