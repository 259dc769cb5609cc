#!/usr/bin/env bash
# Shows a Windows program as a user would see it: starts it in a Wine session
# on a virtual 1024x768 display, waits, saves the whole screen as a PNG,
# prints the PNG's path and ends the program.
#
#   tools/screenshot.sh PROGRAM.exe [OUT.png] [SECONDS]
#
# OUT.png defaults to shots/PROGRAM-DATE-TIME.png in the tree, SECONDS to 5.
# The program runs in an empty working directory that goes with the session,
# or in $SCREENSHOT_WORKDIR when that is set.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

if [[ ${1-} == --inside-session ]]; then
    program=$2 out=$3 seconds=$4
    work=${SCREENSHOT_WORKDIR:-$ZELVIO_WINE_SESSION/work}
    mkdir -p "$work"
    cd "$work"
    wine "$program" >"$ZELVIO_WINE_SESSION/program.log" 2>&1 &
    sleep "$seconds"
    kill -0 $! 2>/dev/null || echo "screenshot: $(basename "$program") ended before the shot" >&2
    import -window root "$out"
    wineserver -k
    wait || true
    exit 0
fi

if [[ $# -lt 1 || $# -gt 3 ]]; then
    echo "usage: $0 PROGRAM.exe [OUT.png] [SECONDS]" >&2
    exit 2
fi
program=$(realpath "$1")
[[ -f $program ]] || { echo "screenshot: no such program: $1" >&2; exit 2; }
if [[ $# -ge 2 ]]; then
    out=$(realpath -m "$2")
else
    out=$root/shots/$(basename "$program" .exe)-$(date +%Y%m%d-%H%M%S).png
fi
seconds=${3:-5}
[[ $seconds =~ ^[0-9]+([.][0-9]+)?$ ]] || { echo "screenshot: SECONDS must be a number: $seconds" >&2; exit 2; }
mkdir -p "$(dirname "$out")"

"$root/tools/wine-session.sh" "$root/tools/screenshot.sh" --inside-session "$program" "$out" "$seconds"
echo "$out"
