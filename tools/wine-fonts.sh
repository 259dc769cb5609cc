#!/usr/bin/env bash
# Gives the Wine prefix in $WINEPREFIX the Marlett font (Debian's fonts-wine),
# which Wine draws the title-bar buttons with when it draws window frames
# itself; without it they show as "0 1 r".
set -euo pipefail
font=/usr/share/wine/fonts/marlett.ttf
fonts=${WINEPREFIX:?}/drive_c/windows/Fonts
if [[ -f $font && -d $fonts ]]; then
    cp "$font" "$fonts/"
fi
