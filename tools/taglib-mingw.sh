#!/usr/bin/env bash
# TagLib for the Windows programs. Debian packages TagLib for Linux only
# (libtag1-dev, which the native build uses), so the Windows build takes the
# source package of the same version and builds it statically with the
# project's MinGW-w64 toolchain into a cache outside the checkout, so that a
# fresh clone builds it no more than the packages are installed again:
#
#   ~/.cache/mp3-zelvio/taglib-VERSION-mingw64/  (include/taglib, lib/libtag.a;
#                                                 $XDG_CACHE_HOME when set)
#   build/deps/taglib-mingw64 -> that folder      (where CMake looks)
#
# A second run finds the folder and only makes the link. Needs root (or sudo) the
# first time: it adds a deb-src entry for the mirror apt already uses.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
deps=$root/build/deps
cache=${XDG_CACHE_HOME:-$HOME/.cache}/mp3-zelvio
mkdir -p "$deps" "$cache"

version=$(dpkg-query -W -f='${Version}' libtag1-dev 2>/dev/null || true)
[[ -n $version ]] || { echo "taglib-mingw: libtag1-dev is not installed: run tools/setup.sh" >&2; exit 1; }
prefix=$cache/taglib-${version//[^A-Za-z0-9.]/_}-mingw64
if [[ -f $prefix/lib/libtag.a ]]; then
    ln -sfn "$prefix" "$deps/taglib-mingw64"
    exit 0
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

# The source entries: each "deb" entry of apt's sources again as "deb-src",
# so the source comes from the same mirror as the packages.
if ! apt-cache showsrc "taglib=$version" 2>/dev/null | grep -q '^Package: taglib'; then
    list=/etc/apt/sources.list.d/zelvio-deb-src
    for file in /etc/apt/sources.list.d/*.sources; do
        [[ -f $file ]] || continue
        awk 'BEGIN { RS = ""; ORS = "\n\n" }
             /(^|\n)Types:[^\n]*(^|[ \t])deb([ \t]|\n|$)/ && !/(^|\n)Enabled: *no/ {
                 sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print }' "$file"
    done | $sudo tee "$list.sources" >/dev/null
    [[ -s $list.sources ]] || $sudo rm -f "$list.sources"
    if [[ -f /etc/apt/sources.list ]]; then
        sed -n 's/^deb \(.*\)/deb-src \1/p' /etc/apt/sources.list | $sudo tee "$list.list" >/dev/null
        [[ -s $list.list ]] || $sudo rm -f "$list.list"
    fi
    echo "taglib-mingw: fetching the source lists" >&2
    $sudo apt-get update -qq
fi

work=$cache/taglib-work
rm -rf "$work"
mkdir -p "$work"
echo "taglib-mingw: building TagLib $version for MinGW-w64 (a few minutes, once)" >&2
(cd "$work" && apt-get source -qq "taglib=$version" >source.log 2>&1) || {
    cat "$work/source.log" >&2
    exit 1
}
source=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'taglib-*' | head -n1)
# Debian's patch makes TagLib include <utf8/checked.h> from libutfcpp-dev;
# the same headers ship in the source's 3rdparty folder under another name.
ln -sfn utf8-cpp "$source/3rdparty/utf8"
cmake -S "$source" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DBUILD_BINDINGS=OFF -DBUILD_TESTING=OFF \
    -DBUILD_EXAMPLES=OFF -DWITH_ZLIB=OFF -DCMAKE_CXX_FLAGS="-I$source/3rdparty" \
    -DCMAKE_INSTALL_PREFIX="$prefix.part" >"$work/configure.log" 2>&1 || { cat "$work/configure.log" >&2; exit 1; }
cmake --build "$work/build" -j2 >"$work/build.log" 2>&1 || { tail -n 40 "$work/build.log" >&2; exit 1; }
rm -rf "$prefix.part"
cmake --install "$work/build" >"$work/install.log" 2>&1 || { cat "$work/install.log" >&2; exit 1; }
# In place only when whole: an interrupted build leaves nothing that looks done.
mv "$prefix.part" "$prefix"
ln -sfn "$prefix" "$deps/taglib-mingw64"
rm -rf "$work"
echo "taglib-mingw: $prefix" >&2
