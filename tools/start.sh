#!/usr/bin/env bash
# Builds Mp3 Zelvio and starts it under Wine, ready to try. run/ holds the
# demo that demo/prepare.sh makes (spoken sample waves, an MP3 directory,
# settings that use LAME, mpg123 and pavucontrol through the bridges) and a
# Wine prefix of its own; it is kept between runs.
#
#   tools/start.sh [--afresh]
#
#   --afresh   throw run/ away first: settings, encoded songs and prefix
#
# The program opens on the user's display when there is one; otherwise on a
# virtual display, and a screenshot is saved.
set -euo pipefail
cd "$(dirname "$0")/.."

case ${1-} in
    --afresh) rm -rf run ;;
    "") ;;
    *) echo "usage: $0 [--afresh]" >&2; exit 2 ;;
esac

tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target mpzelvio encoder_bridge player_bridge mixer_bridge
if [[ -f run/mpzelvio.cfg && ! -d run/waves ]]; then
    echo "run/ is from before the demo: its settings give way to the demo's."
    rm run/mpzelvio.cfg
fi
demo/prepare.sh run

if [[ -n ${DISPLAY:-} ]] && xdpyinfo >/dev/null 2>&1; then
    export WINEPREFIX=$PWD/run/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    if [[ ! -d $WINEPREFIX ]]; then
        echo "Making the Wine prefix in run/prefix (once)."
        wineboot -i >/dev/null 2>&1
        wineserver -w
    fi
    tools/wine-fonts.sh
    cd run
    exec wine mpzelvio.exe
fi
echo "No display: starting on a virtual display instead."
SCREENSHOT_WORKDIR="$PWD/run" exec tools/screenshot.sh run/mpzelvio.exe
