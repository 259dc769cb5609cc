#!/usr/bin/env bash
# Builds mpzelvio.exe and starts it under Wine: on the user's display when
# there is one, otherwise on a virtual display, saving a screenshot.
# It starts in run/, which keeps its settings file between runs.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target mpzelvio

mkdir -p run
cp build/windows/mpzelvio.exe run/
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    cd run
    WINEDEBUG=-all exec wine mpzelvio.exe
fi
echo "No display: starting on a virtual display instead."
SCREENSHOT_WORKDIR="$PWD/run" exec tools/screenshot.sh run/mpzelvio.exe
