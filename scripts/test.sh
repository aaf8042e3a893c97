#!/usr/bin/env bash
# Installs what is missing, builds Brambleton and runs every test: once in the normal build and once under
# AddressSanitizer and UndefinedBehaviorSanitizer. Tests run on Qt's offscreen platform: no display needed.
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
