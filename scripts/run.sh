#!/usr/bin/env bash
# Installs what is missing, builds the program (only what it needs: not the tests or the benchmarks) and
# starts it. Arguments go to the program (brambleton --help lists them).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target brambleton
exec build/default/brambleton "$@"
