#!/usr/bin/env bash
# Installs what building and testing need on Debian, when it is missing.
set -euo pipefail

packages=(
    cmake make g++ googletest libgtest-dev libbenchmark-dev
    mingw-w64 g++-mingw-w64-x86-64
    wine wine64
    xvfb xauth x11-utils imagemagick pulseaudio fonts-wine
    lame mpg123 espeak-ng python3-mutagen
    clang lld libclang-rt-14-dev jq icoutils
    libtag1-dev dpkg-dev ccache
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# TagLib for the Windows build, from Debian's source package (once).
"$(dirname "$0")/taglib-mingw.sh"
