#!/usr/bin/env bash
# End-to-end printing through CUPS: starts a CUPS server of its own in the foreground, with its own
# configuration, socket, spool and logs in a temporary folder (so that it never meets the machine's CUPS or
# another test run's), adds a PDF printer (cups-pdf, writing into that folder) as its default, prints a
# worksheet, a certificate and a teacher page from the real screens, and checks that three PDF files of one
# or more pages arrive. Then removes the printer and checks that the same clicks give the printing-failure
# message. Every wait is for a condition, up to a bound. Stops the server by its process id.
#
# Usage: print_e2e.sh <tst_printing binary>, whose realPrinter test does the clicks. Needs root (the PDF
# backend runs as root) and the packages cups, cups-bsd and printer-driver-cups-pdf, which scripts/setup.sh
# installs; exits 77 (skipped) without.
set -u
test_binary=$1
[ "$(id -u)" = 0 ] || { echo "skipped: needs root"; exit 77; }
for tool in cupsd lpadmin lpstat; do
    command -v "$tool" >/dev/null || [ -x "/usr/sbin/$tool" ] || { echo "skipped: no $tool"; exit 77; }
done
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -f "$ppd" ] && [ -x /usr/lib/cups/backend/cups-pdf ] || { echo "skipped: no cups-pdf"; exit 77; }
export PATH="$PATH:/usr/sbin"

work=$(mktemp -d)
out="$work/pdf"
name="bram$$"  # cups-pdf reads /etc/cups/cups-pdf-<name>.conf for the printer cups-pdf:/<name>
pdfconf="/etc/cups/cups-pdf-$name.conf"
mkdir -p "$out" "$work"/{etc/ppd,etc/ssl,spool/tmp,cache,state,log,pdf-spool}
# The filters run as lp: they read the spool and write its temporary folder, as in the machine's own CUPS.
chmod 755 "$work"
chgrp lp "$work/spool" "$work/spool/tmp" "$work/cache"
chmod 710 "$work/spool"
chmod 1770 "$work/spool/tmp"
chmod 770 "$work/cache"
cupsd_pid=""
cleanup() {
    [ -n "$cupsd_pid" ] && kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null
    rm -rf "$work" "$pdfconf"
}
trap cleanup EXIT

# The machine's configuration with this server's own socket and folders.
export CUPS_SERVER="$work/cups.sock"
grep -vE '^\s*(Listen|Port|Browsing|BrowseLocalProtocols)\b' /etc/cups/cupsd.conf >"$work/etc/cupsd.conf"
printf 'Listen %s\nBrowsing No\nWebInterface No\n' "$CUPS_SERVER" >>"$work/etc/cupsd.conf"
cat >"$work/etc/cups-files.conf" <<FILES
ServerRoot $work/etc
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/state
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
FILES
printf 'Out %s\nSpool %s\nAnonDirName %s\n' "$out" "$work/pdf-spool" "$out" >"$pdfconf"
cupsd -f -c "$work/etc/cupsd.conf" -s "$work/etc/cups-files.conf" >"$work/cupsd.log" 2>&1 &
cupsd_pid=$!
for _ in $(seq 100); do lpstat -r >/dev/null 2>&1 && break; sleep 0.2; done
lpstat -r || { echo "the CUPS server did not start"; cat "$work/cupsd.log" "$work/log/error_log"; exit 1; }

fail=0
lpadmin -p BramPDF -v "cups-pdf:/$name" -P "$ppd" -E && lpadmin -d BramPDF || { echo "could not add the PDF printer"; exit 1; }
# The scheduler takes the new default a moment after lpadmin returns: wait until it says so and the printer
# is ready, so that the program finds it.
for _ in $(seq 100); do
    lpstat -d 2>/dev/null | grep -q BramPDF && lpstat -p BramPDF 2>/dev/null | grep -q "enabled" && break
    sleep 0.1
done
before=$(find "$out" -name '*.pdf' | sort)
BRAMBLETON_E2E_EXPECT=pdf "$test_binary" realPrinter || fail=1

# The jobs go through the spooler: wait for three new PDFs, each written to its end. The PDF backend makes
# the file before it has finished writing it, so a file counts once no job is left and it ends its document.
finished() {
    [ -z "$(lpstat -o BramPDF 2>/dev/null)" ] || return 1
    while IFS= read -r pdf; do tail -c 64 "$pdf" | grep -aq '%%EOF' || return 1; done <<<"$1"
}
new=""
for _ in $(seq 120); do
    new=$(comm -13 <(echo "$before") <(find "$out" -name '*.pdf' | sort) | grep . || true)
    [ "$(echo "$new" | grep -c .)" -ge 3 ] && finished "$new" && break
    sleep 0.5
done
count=$(echo "$new" | grep -c .)
echo "PDFs printed: $count"
[ "$count" -eq 3 ] || { echo "expected 3 PDFs from the PDF printer"; lpstat -W all -o; fail=1; }
while IFS= read -r pdf; do
    [ -n "$pdf" ] || continue
    pages=$(grep -ac '/Type */Page[^s]' "$pdf" || true)
    echo "  $pdf: $pages page(s)"
    [ "$pages" -ge 1 ] || fail=1
    rm -f "$pdf"
done <<<"$new"

# No printer at all: every click reports the failure.
lpadmin -x BramPDF
BRAMBLETON_E2E_EXPECT=none "$test_binary" realPrinter || fail=1

[ $fail = 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $fail
