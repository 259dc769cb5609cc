#!/usr/bin/env bash
# Screenshots of every window of both programs under Wine, one PNG each in
# OUT_DIR: the main window (its song list showing the MP3 files of
# SONG_DIR, a Linux folder), the voice recorder, the settings dialog, the
# about box, the index editor, the rename dialog, the index data dialog, the
# information window folded and unfolded (also with "PLEASE WAIT") and the
# installer's four pages. Build for Windows first. With --dpi the screen has
# that many dots per inch (Wine's LogPixels), and the main window's saved size
# grows with it. With --high-contrast the user has high contrast on, with the
# scheme of tools/high-contrast.reg (white on black, a yellow selection).
#
#   tools/window-tour.sh [--dpi N] [--high-contrast] OUT_DIR [SONG_DIR]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

if [[ ${1-} == --inside-session ]]; then
    out=$2 songs=$3 dpi=$4 contrast=$5
    for key in 'HKCU\Control Panel\Desktop' 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
        wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
    done
    if [[ $contrast == 1 ]]; then
        wine reg import "$(winepath -w "$root/tools/high-contrast.reg")" >/dev/null
    fi
    cd "$root/build/windows"
    wine window_tour.exe "$songs" "$dpi" | while read -r word name; do
        name=${name%$'\r'}
        [[ $word == shot ]] && import -window root "$out/$name.png" && echo "$out/$name.png"
    done
    exit "${PIPESTATUS[0]}"
fi

usage() {
    echo "usage: $0 [--dpi N] [--high-contrast] OUT_DIR [SONG_DIR]" >&2
    exit 2
}
dpi=96 contrast=0
while [[ ${1-} == --* ]]; do
    case $1 in
        --dpi) [[ ${2-} =~ ^[0-9]+$ ]] || usage; dpi=$2; shift 2 ;;
        --high-contrast) contrast=1; shift ;;
        *) usage ;;
    esac
done
[[ $# -ge 1 && $# -le 2 ]] || usage
out=$(realpath -m "$1")
mkdir -p "$out"
songs=Z:\\
if [[ $# == 2 ]]; then songs="Z:$(realpath "$2" | tr / '\\')"; fi
"$root/tools/wine-session.sh" "$0" --inside-session "$out" "$songs" "$dpi" "$contrast"
