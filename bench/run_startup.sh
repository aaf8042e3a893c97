#!/usr/bin/env bash
# Builds and runs the start-up benchmark on a private Xvfb display: Brambleton's title screen against a bare
# Qt window showing one JPEG. Usage: bench/run_startup.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target startup_bench bench_bare_window bench_brambleton_probe content >/dev/null
n=90
while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 0.5
DISPLAY=:$n QT_QPA_PLATFORM=xcb build/default/startup_bench "${1:-9}"
