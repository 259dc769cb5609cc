#!/usr/bin/env bash
# Builds the benchmarks, runs every figure ROUNDS times (default 5) and prints
# one table of the medians. The Wine figures all run in one Wine session.
#
#   bench/run.sh [ROUNDS]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
rounds=${1:-5}
[[ $rounds =~ ^[1-9][0-9]*$ ]] || { echo "usage: $0 [ROUNDS]" >&2; exit 2; }

tools/setup.sh
echo "building..." >&2
cmake --preset native >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset native >/dev/null
cmake --build --preset windows >/dev/null

out=$(mktemp -d "${TMPDIR:-/tmp}/zelvio-bench.XXXXXX")
trap 'rm -rf "$out"' EXIT

# The median of the numbers on stdin, one a line; "n/a" when there are none.
median() {
    sort -g | awk '{ v[NR] = $1 } END {
        if (NR == 0) print "n/a"
        else if (NR % 2) print v[(NR + 1) / 2]
        else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
count() { grep -c . || true; }

echo "native benchmarks..." >&2
for bench in index_lookup_bench copy_bench; do
    "build/native/bench/$bench" --benchmark_repetitions="$rounds" --benchmark_format=json \
        >"$out/$bench.json" 2>>"$out/native.log"
done
# The median of one native benchmark's repetitions: its real time (ms) or another field.
native() {
    jq -r --arg name "$2" --arg field "${3:-real_time}" \
        '.benchmarks[] | select(.run_name == $name and .run_type == "iteration") | .[$field]' \
        "$out/$1.json" | median
}

echo "Wine benchmarks (several minutes)..." >&2
# One session for them all: the prefix is made once. A failing figure leaves its row empty.
tools/wine-session.sh bash -c '
    cd build/windows
    wine songlist_wine_bench.exe "$1" >"$2/songlist.txt"
    wine startup_wine_bench.exe "$1" >"$2/startup.txt"
    wine copy_wine_bench.exe "$1" >"$2/copy.txt"
    for _ in $(seq "$1"); do wine play_cpu_bench.exe >>"$2/play.txt"; done
    for _ in $(seq "$1"); do wine encode_cpu_bench.exe >>"$2/encode.txt"; done
    true' bench "$rounds" "$out" 2>"$out/wine.log" || true
# The Windows programs end their lines with CR LF.
for f in songlist startup copy play encode; do touch "$out/$f.txt"; sed -i 's/\r$//' "$out/$f.txt"; done

row() { printf '%-47s | %14s | %4s | %s\n' "$@"; }
fmt() { [[ $1 == n/a ]] && echo n/a || printf "%.${2:-1}f" "$1"; }

row "figure" "median" "runs" "how the old design did it / compared with"
row "-----------------------------------------------" "--------------" "----" "----------------------------------------"
for n in 1000 10000; do
    core=$(native index_lookup_bench "BM_WholeSongListRebuild/$n")
    once=$(native index_lookup_bench "BM_IndexLookupOnce/$n")
    each=$(native index_lookup_bench "BM_LookupEntryPerFile/$n")
    row "song list rebuild, $n files, core (headless)" "$(fmt "$core" 2) ms" "$rounds" \
        "listing, sort, one index read, texts"
    runs=$(grep -E "^ *$n songs: [0-9.]+ ms" "$out/songlist.txt" | awk '{ print $3 }')
    row "song list rebuild, $n files, Wine list box" "$(fmt "$(median <<<"$runs")") ms" \
        "$(count <<<"$runs")" "core rebuild $(fmt "$core" 2) ms; the rest is Wine and the list box"
    row "index lookup, $n files: one IndexLookup" "$(fmt "$once" 2) ms" "$rounds" \
        "old: $n x lookupentry ($n reads) $(fmt "$each" 1) ms = $(awk -v a="$each" -v b="$once" 'BEGIN { printf "%.0f", a / b }')x slower"
done
core=$(native index_lookup_bench "BM_TaggedSongListRebuild/10000")
row "song list, 10000 tagged files, no index, core" "$(fmt "$core" 2) ms" "$rounds" \
    "listing, sort, one tag read per file, texts"
runs=$(grep -E "^ *10000 tagged songs: [0-9.]+ ms" "$out/songlist.txt" | awk '{ print $4 }')
tagged=$(sed -nE 's/^ *10000 tagged songs: [0-9.]+ ms, every tag ([0-9.]+) ms.*/\1/p' "$out/songlist.txt")
row "song list, 10000 tagged files, no index, Wine" "$(fmt "$(median <<<"$runs")") ms" \
    "$(count <<<"$runs")" "goal under 1000 ms; core $(fmt "$core" 2) ms; the first screen's tags read"
row "  ... until every tag is shown, Wine" "$(fmt "$(median <<<"$tagged")") ms" \
    "$(count <<<"$tagged")" "the rest read while the window is idle"
for what in play encode; do
    runs=$(sed -nE 's/.*processor time [0-9.]+ s \(([0-9.]+) % of one core.*/\1/p' "$out/$what.txt")
    thread=$(sed -nE 's/.*window thread [0-9.]+ s \(([0-9.]+) %\).*/\1/p' "$out/$what.txt" | median)
    wall=$(sed -nE 's/^(played|waited) ([0-9.]+) s.*/\2/p' "$out/$what.txt" | median)
    if [[ $what == play ]]; then label="CPU while playing a 20 s wave"; else label="CPU while waiting for a 10 s encoder"; fi
    row "$label" "$(fmt "$(median <<<"$runs")" 2) % core" "$(count <<<"$runs")" \
        "over $(fmt "$wall") s wall time; window thread $(fmt "$thread" 2) %"
done
bare=$(sed -nE 's/^bare window shown after ([0-9.]+) ms/\1/p' "$out/startup.txt" | median)
ratio() { [[ $1 == n/a || $2 == n/a ]] && echo n/a || awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
row "start to bare Win32 window shown (Wine)" "$(fmt "$bare") ms" \
    "$(sed -nE 's/^bare window shown after ([0-9.]+) ms/\1/p' "$out/startup.txt" | count)" \
    "class, captioned 640 x 480 window, menu: the floor"
# Visible: the main window is shown. Ready: besides, every control of its
# layout has its window, the song list has its rows and the program answers.
for what in "shown" "shown with 10000 songs"; do
    for when in visible ready; do
        if [[ $when == visible ]]; then field=1; else field=2; fi
        runs=$(sed -nE "s/^window $what after ([0-9.]+) ms, ready after ([0-9.]+) ms/\\$field/p" "$out/startup.txt")
        label="start to main window $when (Wine)"
        [[ $what == shown ]] || label="  ... $when, 10000 MP3 files"
        row "$label" "$(fmt "$(median <<<"$runs")") ms" "$(count <<<"$runs")" \
            "$(ratio "$(median <<<"$runs")" "$bare") x the bare window"
    done
done
copy=$(native copy_bench BM_CopyWithProgress/real_time bytes_per_second)
row "installer copy of 20 MB, core (headless)" "$(fmt "$(awk -v b="$copy" 'BEGIN { print b / 1e6 }')") MB/s" \
    "$rounds" "4097-byte blocks, as the old installer; memory only"
runs=$(sed -nE 's/^CopyWithProgress ([0-9.]+) MB\/s.*/\1/p' "$out/copy.txt")
system=$(sed -nE 's/.*CopyFileW ([0-9.]+) MB\/s$/\1/p' "$out/copy.txt" | median)
row "installer copy of 20 MB, Wine real files" "$(fmt "$(median <<<"$runs")") MB/s" "$(count <<<"$runs")" \
    "CopyFileW of the same file $(fmt "$system") MB/s"
if [[ -s $out/wine.log ]] && grep -q -E 'bench: ' "$out/wine.log"; then
    echo >&2
    grep -E 'bench: ' "$out/wine.log" >&2
fi
