#!/usr/bin/env bash
# Prepares a directory to try Mp3 Zelvio in under Wine:
#
#   demo/prepare.sh DIR
#
# It copies the main program, its command.com and the bridges from the
# Windows build into DIR, and, unless they are there already, makes a few
# spoken sample waves in DIR/waves (espeak-ng), an empty DIR/mp3, and a
# settings file that points the wave pane at DIR/waves, the MP3 pane at
# DIR/mp3, the encoder at LAME, the player at mpg123 and the mixer at
# pavucontrol when the machine has it. Run tools/setup.sh and the Windows
# build first.
set -euo pipefail

[[ $# == 1 ]] || { echo "usage: $0 DIR" >&2; exit 2; }
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build/windows
dir=$(realpath -m "$1")

# Wine shows the Linux root as drive Z:.
windows_path() { local path=${1//\//\\}; printf 'Z:%s' "$path"; }

mkdir -p "$dir/waves" "$dir/mp3"
for program in mpzelvio.exe command.com encoder_bridge.exe player_bridge.exe mixer_bridge.exe; do
    [[ -f $build/$program ]] || { echo "prepare: $build/$program is missing: build for Windows first" >&2; exit 1; }
    cp "$build/$program" "$dir/"
done

say() {
    local file=$dir/waves/$1 text=$2
    [[ -f $file ]] || espeak-ng -s 150 -w "$file" "$text"
}
say "welcome.wav" "Welcome to M P 3 Zelvio. Select me, and press Encode."
say "morning song.wav" "Good morning. This is a short song about the rising sun."
say "evening.wav" "Good evening. The day is done, and the music is made."

if [[ ! -f $dir/mpzelvio.cfg ]]; then
    win=$(windows_path "$dir")
    mixer=
    command -v pavucontrol >/dev/null && mixer="$win\\mixer_bridge.exe"
    # The version-5 settings: panes, encoder, player, LAME's flags, CD mode,
    # ripper and its command, mixer, and the window's place and size.
    printf '%s\r\n' "ver 1.5" "$win\\waves" "$win\\mp3" "$win\\encoder_bridge.exe" "$win\\player_bridge.exe" \
        "-V 4" "0" "" "" "$mixer" "116" "91" "640" "482" >"$dir/mpzelvio.cfg"
fi
