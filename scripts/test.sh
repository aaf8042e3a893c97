#!/usr/bin/env bash
# Installs what is missing, builds Brambleton and runs every test: once in the normal build and once under
# AddressSanitizer and UndefinedBehaviorSanitizer; then each fuzz target for a short while (FUZZ_SECONDS,
# 15 unless told). Tests run on Qt's offscreen platform: no display needed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
for preset in default asan; do
    echo "=== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
echo "=== fuzz targets"
scripts/fuzz.sh "${FUZZ_SECONDS:-15}"
