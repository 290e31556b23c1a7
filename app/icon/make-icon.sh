#!/bin/sh
# Draws the program's icon once: a 32 x 32 picture with 32-bit colour, as icon.png (the Linux window) and
# icon.ico (the Windows resource DEFAULT_ICON). The outputs are committed; run this only to change the picture.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
/usr/bin/convert -size 32x32 xc:none \
  -fill '#2a7a4b' -draw 'roundrectangle 1,1,30,30,6,6' \
  -fill white -draw 'rectangle 5,8,12,10' -draw 'rectangle 5,14,12,16' -draw 'rectangle 5,20,12,22' \
  -fill '#ffd54a' -draw 'rectangle 19,8,26,10' -draw 'rectangle 19,14,26,16' -draw 'rectangle 19,20,26,22' \
  -fill white -draw 'polygon 14,13 17,15.5 14,18' \
  -depth 8 "PNG32:$here/icon.png"
/usr/bin/convert "PNG32:$here/icon.png" -define icon:auto-resize=32 "$here/icon.ico"
