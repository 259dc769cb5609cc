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
# Longest a single test program may run before it counts as hung: the
# slowest takes about 10 s here, and a driver call fails its test after 15 s.
per_program_limit=${E2E_PROGRAM_TIMEOUT:-120}

# What each thread of the test program and the programs it drives is doing:
# winedbg attaches to every process in turn; Wine's own are left out.
print_backtraces() {
    echo "=== what every thread was doing (winedbg \"backtrace all\"):"
    timeout --kill-after=10 60 winedbg --command "backtrace all" </dev/null 2>&1 |
        awk '/^Backtracing for thread/ { shown = $0 !~ /\(C:\\windows\\/ } shown { print "    " $0 }' || true
}

# Runs a test program, its output shown as it comes and kept in LOG; one
# still running after the limit is shown with print_backtraces, then
# stopped, and its status is 124.
run_with_limit() {
    local program=$1 log=$2 pid deadline=$((SECONDS + per_program_limit))
    wine "$program" --gtest_color=no >"$log" 2>&1 &
    pid=$!
    tail -n +1 -f --pid="$pid" "$log" &
    while kill -0 "$pid" 2>/dev/null; do
        if ((SECONDS >= deadline)); then
            echo "=== $(basename "$program") hung: stopped after ${per_program_limit} s"
            print_backtraces
            kill -TERM "$pid" 2>/dev/null
            for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null && sleep 0.2; done
            kill -KILL "$pid" 2>/dev/null
            wait "$pid" 2>/dev/null
            return 124
        fi
        sleep 0.2
    done
    wait "$pid"
}

# The tests a program's output says it skipped, one "Suite.Test" a line.
skipped_tests() {
    tr -d '\r' <"$1" | sed -nE 's/^\[  SKIPPED \] ([^ ]+) \([0-9]+ ms\)$/\1/p'
}

run_inside_session() {
    local failed=() skipped=() program status started log
    log=$(mktemp)
    # The demo a new user gets from tools/start.sh, for the test that tries it.
    export ZELVIO_DEMO_DIR=$ZELVIO_WINE_SESSION/demo
    # Read-only directories and full disks for the tests that need them.
    export ZELVIO_MOUNT_HELPER=$root/tools/e2e-mount.sh
    # The session's trash, where Wine's Recycle Bin puts deleted files.
    export ZELVIO_TRASH_DIR=$XDG_DATA_HOME/Trash
    "$root/demo/prepare.sh" "$ZELVIO_DEMO_DIR"
    for program in "$@"; do
        echo "=== $(basename "$program")"
        started=$SECONDS
        status=0
        run_with_limit "$program" "$log" || status=$?
        wait  # for the output to be shown whole
        echo "=== $(basename "$program"): exit status $status, $((SECONDS - started)) s"
        [[ $status == 0 ]] || failed+=("$(basename "$program")")
        while IFS= read -r test; do skipped+=("$(basename "$program" .exe): $test"); done < <(skipped_tests "$log")
    done
    rm -f "$log"
    echo "=== $# test programs, ${#failed[@]} failed${failed:+: ${failed[*]}}"
    echo "=== ${#skipped[@]} tests skipped${skipped:+:}"
    for test in "${skipped[@]}"; do echo "    $test"; done
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
