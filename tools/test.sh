#!/usr/bin/env bash
# Builds everything and runs every test: the house check, the native unit
# tests, then the end-to-end tests of the real programs under Wine, while the
# second compiler builds the programs.
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
tools/check-resources.sh

# The second compiler (clang for the same target, warnings as errors) builds
# the programs while the end-to-end tests run, at a lower priority than Wine.
clang_log=$(mktemp)
(cmake --preset windows-clang >/dev/null && nice -n 10 cmake --build --preset windows-clang) >"$clang_log" 2>&1 &
clang_build=$!
trap 'kill "$clang_build" 2>/dev/null; rm -f "$clang_log"' EXIT
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
