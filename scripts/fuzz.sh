#!/usr/bin/env bash
# Builds the fuzz targets (clang's libFuzzer, address and undefined sanitizers), makes their seed corpora
# from content/ and runs each for the given number of seconds (30 unless told). Corpora grow in
# build/fuzz/corpus; a failing input is kept as build/fuzz/<crash-...> and fails the run.
# Usage: scripts/fuzz.sh [seconds] [target...]   (targets: worksheet register title metafile)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(worksheet register title metafile)
scripts/setup.sh
cmake --preset fuzz >/dev/null
# Quiet unless the build fails, and then the whole build's output.
build_log=$(mktemp)
cmake --build --preset fuzz --target "${targets[@]/#/fuzz_}" >"$build_log" 2>&1 || { cat "$build_log"; exit 1; }
rm -f "$build_log"

out=build/fuzz
seeds=$out/seeds
rm -rf "$seeds"
mkdir -p "$seeds"/{worksheet,register,title,metafile}
for f in content/multiple/*.txt; do
    case "$f" in */track.txt) cp "$f" "$seeds/register/" ;; *) cp "$f" "$seeds/worksheet/" ;; esac
done
i=0
for title in "Parts of a Plant" "Plants, pots & soil" "Łąka i staw" "Year 3. Part 2"; do
    printf '%s' "$title" | iconv -f UTF-8 -t UTF-16LE > "$seeds/title/$i"
    i=$((i + 1))
done
for f in content/wmf/*.wmf content/wmf2/*.wmf tests/data/wmf/*.wmf; do
    cp "$f" "$seeds/metafile/$(basename "$(dirname "$f")")-$(basename "$f")"
done

for t in "${targets[@]}"; do
    mkdir -p "$out/corpus/$t"
    max_len=4096
    [ "$t" = metafile ] && max_len=200000
    echo "== fuzz_$t for ${seconds}s"
    (cd "$out" && QT_QPA_PLATFORM=offscreen LSAN_OPTIONS="suppressions=$PWD/../../fuzz/lsan.supp" "./fuzz_$t" -max_total_time="$seconds" -max_len=$max_len -timeout=20 \
        -rss_limit_mb=4096 -print_final_stats=1 "corpus/$t" "seeds/$t" 2>&1 | grep -E "^(#[0-9]+ *DONE|stat::number_of_executed_units|==|SUMMARY|Done)" || true)
    # libFuzzer writes crash-, leak-, timeout- or oom- files for a failing input.
    if compgen -G "$out/crash-*" >/dev/null || compgen -G "$out/leak-*" >/dev/null ||
        compgen -G "$out/timeout-*" >/dev/null || compgen -G "$out/oom-*" >/dev/null; then
        echo "fuzz_$t found a failing input:" "$out"/{crash,leak,timeout,oom}-* 2>/dev/null || true
        exit 1
    fi
done
