#!/usr/bin/env bash
# Builds everything and runs every test: the house check, the native unit
# tests, the fuzz targets, then the end-to-end tests of the real programs
# under Wine; a second compiler builds the programs alongside.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh
tools/house-check.sh

# The second compiler (clang for the same target, warnings as errors) builds
# the programs meanwhile, at the lowest priority: it takes the processor
# time the rest leaves, mostly while the end-to-end tests wait on Wine.
# It runs as a process group of its own, so that a failure here ends all of it.
clang_log=$(mktemp)
set -m
nice -n 19 bash -c 'cmake --preset windows-clang >/dev/null && cmake --build --preset windows-clang' >"$clang_log" 2>&1 &
clang_build=$!
set +m
trap 'kill -- -"$clang_build" 2>/dev/null; rm -f "$clang_log"' EXIT

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native
# A short run of every fuzz target, after replaying the inputs once found.
tools/fuzz.sh 5

cmake --preset windows >/dev/null
cmake --build --preset windows
tools/check-resources.sh
e2e_status=0
tools/run-e2e.sh || e2e_status=$?

clang_status=0
wait "$clang_build" || clang_status=$?
trap - EXIT
if [[ $clang_status == 0 ]]; then
    echo "=== clang build (windows-clang): both programs built without a warning"
else
    echo "=== clang build (windows-clang) failed:"
    cat "$clang_log"
fi
rm -f "$clang_log"
[[ $e2e_status == 0 && $clang_status == 0 ]]
