#!/usr/bin/env bash
# Builds everything and runs every test: the house check, the native unit
# tests, then the end-to-end tests of the real programs under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh
tools/house-check.sh

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native
# A short run of every fuzz target, after replaying the inputs once found.
tools/fuzz.sh 5

cmake --preset windows >/dev/null
cmake --build --preset windows
tools/run-e2e.sh
