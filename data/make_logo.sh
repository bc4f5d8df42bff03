#!/bin/sh
# Regenerates src/app/logo.png: a gold "K" with a kestrel in flight on a dusk gradient.
# Shapes are drawn as polygons so the result does not depend on installed fonts.
set -eu
cd "$(dirname "$0")/.."
convert -size 101x156 gradient:'#0d1b3d-#2a6f86' \
  -fill none -stroke '#e8c46a' -strokewidth 2 -draw 'roundrectangle 4,4 96,151 8,8' \
  -stroke '#1a1208' -strokewidth 1 -fill '#f2c14e' \
  -draw 'polygon 22,44 40,44 40,78 70,44 90,44 57,82 92,130 70,130 46,95 40,102 40,130 22,130' \
  -fill '#fbe3a0' -stroke none \
  -draw 'polygon 24,46 38,46 38,128 24,128' \
  -fill '#e8c46a' -stroke none \
  -draw 'polygon 44,16 58,22 66,24 70,19 74,20 72,24 90,10 80,28 74,30 76,38 68,38 68,30 60,28' \
  -strip -define png:exclude-chunks=date,time \
  -colors 256 PNG8:src/app/logo.png
