#!/usr/bin/env bash
# Runs the end-to-end test programs under Wine, all in one Wine session, and
# fails when any of them fails.
#
#   tools/run-e2e.sh [TEST_e2e.exe ...]
#
# Without arguments it runs every build/windows/*_e2e.exe. GoogleTest options
# pass through the environment, e.g. GTEST_FILTER='DriverTest.*'.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# Longest a single test program may run before it counts as hung.
per_program_limit=${E2E_PROGRAM_TIMEOUT:-600}

run_inside_session() {
    local failed=() program status started
    # The demo a new user gets from tools/start.sh, for the test that tries it.
    export ZELVIO_DEMO_DIR=$ZELVIO_WINE_SESSION/demo
    "$root/demo/prepare.sh" "$ZELVIO_DEMO_DIR"
    for program in "$@"; do
        echo "=== $(basename "$program")"
        started=$SECONDS
        status=0
        timeout --kill-after=10 "$per_program_limit" wine "$program" --gtest_color=no || status=$?
        [[ $status == 124 ]] && echo "=== $(basename "$program") hung: stopped after ${per_program_limit} s"
        echo "=== $(basename "$program"): exit status $status, $((SECONDS - started)) s"
        [[ $status == 0 ]] || failed+=("$(basename "$program")")
    done
    echo "=== $# test programs, ${#failed[@]} failed${failed:+: ${failed[*]}}"
    [[ ${#failed[@]} == 0 ]]
}

if [[ ${1-} == --inside-session ]]; then
    shift
    run_inside_session "$@"
    exit
fi

if [[ $# -gt 0 ]]; then
    programs=()
    for program in "$@"; do programs+=("$(realpath "$program")"); done
else
    shopt -s nullglob
    programs=("$root"/build/windows/*_e2e.exe)
    shopt -u nullglob
fi
if [[ ${#programs[@]} == 0 ]]; then
    echo "run-e2e: no *_e2e.exe in $root/build/windows: run 'cmake --preset windows && cmake --build --preset windows' first" >&2
    exit 2
fi
for program in "${programs[@]}"; do
    [[ -f $program ]] || { echo "run-e2e: no such test program: $program" >&2; exit 2; }
done

started=$SECONDS
status=0
"$root/tools/wine-session.sh" "$root/tools/run-e2e.sh" --inside-session "${programs[@]}" || status=$?
echo "=== run-e2e: $((SECONDS - started)) s in all"
exit "$status"
