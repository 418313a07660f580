#!/usr/bin/env bash
# Draws the program's icon, a chat bubble holding a pair of notes, with
# ImageMagick: one large drawing, scaled down to each size the shell asks
# for (16, 24, 32, 48 and 64 pixels: 100 % to 200 % display scale).
# The result is committed, so that builds on Windows need no ImageMagick.
# Usage: scripts/draw-icon.sh [output.ico]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/src/app/win32/sonorix.ico}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp"

bubble="roundrectangle 10,14 246,196 44,44"
tail="polygon 44,180 30,248 112,192"
convert -size 256x256 xc:black -fill white -draw "$bubble" -draw "$tail" shape.png
convert -size 256x256 gradient:'#4f86f0'-'#1c2d8c' shape.png \
  -alpha off -compose CopyOpacity -composite fill.png
# A dark rim keeps the bubble apart from a blue task bar.
convert shape.png -morphology EdgeIn Disk:5 rim-mask.png
convert -size 256x256 xc:'#101a5c' rim-mask.png -alpha off -compose CopyOpacity -composite rim.png
convert -size 256x256 xc:none -fill white \
  -draw "translate 92,158 rotate -22 ellipse 0,0 30,21 0,360" \
  -draw "translate 178,140 rotate -22 ellipse 0,0 30,21 0,360" \
  -draw "rectangle 110,44 124,156" -draw "rectangle 196,26 210,138" \
  -draw "polygon 110,44 210,26 210,62 110,80" notes.png
convert fill.png rim.png -composite notes.png -composite large.png

sizes=(16 24 32 48 64)
for size in "${sizes[@]}"; do
  convert large.png -filter Lanczos -resize "${size}x${size}" "icon-$size.png"
done
convert $(printf 'icon-%s.png ' "${sizes[@]}") "$out"
echo "Icon: $out"
