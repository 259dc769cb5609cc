#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/), replays the inputs kept in
# fuzz/regressions/<target>/, then fuzzes each target for SECONDS (default 60)
# on its corpus in build/fuzz/corpus/<target>, seeded from fuzz/seeds/<target>/.
# Prints one line per target; exits non-zero when any target finds something.
# Findings are kept in build/fuzz/findings/<target>/ with the fuzzer's log.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
targets=(settingsfile songindex shortpath expandripper songtext songtag riffwave)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzzers >/dev/null

failed=0
for target in "${targets[@]}"; do
    program="build/fuzz/fuzz/fuzz_$target"
    corpus="build/fuzz/corpus/$target"
    findings="build/fuzz/findings/$target"
    rm -rf "$findings"
    mkdir -p "$corpus" "$findings"
    if [ -d "fuzz/seeds/$target" ]; then cp -n "fuzz/seeds/$target"/* "$corpus"/ 2>/dev/null || true; fi

    # Inputs that once failed must pass, each on its own.
    replay_failures=0
    for input in "fuzz/regressions/$target"/*; do
        [ -f "$input" ] || continue
        if ! "$program" "$input" >>"$findings/replay.log" 2>&1; then
            cp "$input" "$findings/regression-$(basename "$input")"
            replay_failures=$((replay_failures + 1))
        fi
    done
    [ "$replay_failures" -eq 0 ] && rm -f "$findings/replay.log"

    "$program" "$corpus" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$findings/" >"$findings/fuzz.log" 2>&1 || true
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$findings/fuzz.log" | tail -n 1)
    found=$(find "$findings" -maxdepth 1 -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' \
        -o -name 'oom-*' -o -name 'slow-unit-*' -o -name 'regression-*' \) | wc -l)
    if [ "$found" -eq 0 ]; then rm -f "$findings/fuzz.log"; else failed=1; fi
    printf '%-14s %12s executions  %s findings\n' "$target" "${executions:-?}" "$found"
done
exit "$failed"
