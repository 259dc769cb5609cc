#!/usr/bin/env bash
# Draws the program's icon, the disc and notes of the installer's last page
# (platform/win32/win32_picture.cpp), with ImageMagick and writes it as
# app/resources/zelvio.ico in the sizes Windows asks for. The .ico is kept in
# the tree; run this again only to change the picture.
#
#   tools/make-icon.sh [OUT.ico]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-app/resources/zelvio.ico}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Drawn at 256 pixels and scaled down; the small sizes from a drawing with
# heavier lines, which stay visible at 16 pixels. The disc leaves room on its
# right for the notes, as on the installer's page.
size=256
radius=104
cx=$((4 + radius))
cy=$((size / 2))
groove=$((radius * 2 / 3))
hole=$((radius / 6))
stem=$radius
head=$((radius / 5))
left=$((cx + radius / 3))
right=$((left + radius))
base=$((cy + radius / 2))

# draw PEN OUT.png
draw() {
    local pen=$1 x notes=()
    local stemWidth=$((pen + 6)) headWidth=$((head + pen))
    for x in $left $right; do
        notes+=(-draw "ellipse $((x - headWidth + stemWidth / 2)),$base $headWidth,$((headWidth * 3 / 4)) 0,360")
        notes+=(-draw "rectangle $((x - stemWidth)),$((base - stem)) $x,$base")
    done
    x=$((left - stemWidth))
    notes+=(-draw "polygon $x,$((base - stem)) $right,$((base - stem - head)) $right,$((base - stem - head / 2 + 2 * pen)) $x,$((base - stem + head / 2 + 2 * pen))")
    convert -size ${size}x${size} xc:none \
        -stroke 'rgb(80,80,80)' -strokewidth "$pen" -fill 'rgb(200,200,212)' \
        -draw "circle $cx,$cy $((cx + radius - pen / 2)),$cy" \
        -stroke 'rgb(150,150,170)' -fill 'rgb(226,226,234)' \
        -draw "circle $cx,$cy $((cx + groove)),$cy" \
        \( -size ${size}x${size} xc:none -fill black -draw "circle $cx,$cy $((cx + hole)),$cy" \) \
        -compose DstOut -composite -compose Over \
        -stroke 'rgb(80,80,80)' -fill none -draw "circle $cx,$cy $((cx + hole)),$cy" \
        -stroke none -fill 'rgb(0,0,128)' "${notes[@]}" \
        "$2"
}

draw 6 "$work/fine.png"
draw 16 "$work/bold.png"
sizes=()
for pixels in 256 64 48; do
    convert "$work/fine.png" -resize ${pixels}x${pixels} "$work/$pixels.png"
    sizes+=("$work/$pixels.png")
done
for pixels in 32 24 16; do
    convert "$work/bold.png" -resize ${pixels}x${pixels} "$work/$pixels.png"
    sizes+=("$work/$pixels.png")
done
convert "${sizes[@]}" "$out"
echo "make-icon: wrote $out"
