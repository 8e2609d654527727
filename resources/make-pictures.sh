#!/bin/sh
# Draws the application icon and the web button's picture with ImageMagick.
set -e
cd "$(dirname "$0")"
# 32 x 32, 256 colours: a drop of urine over a navy kidney outline.
convert -size 32x32 xc:none \
    -fill '#1F3A93' -stroke '#0B1E5B' -strokewidth 1 -draw "ellipse 13,16 10,14 0,360" \
    -fill '#F0F0F0' -stroke none -draw "ellipse 21,16 5,6 0,360" \
    -fill '#F2C200' -stroke '#8A6D00' -draw "path 'M 24,5 C 28,12 31,16 24,21 C 17,16 20,12 24,5 Z'" \
    -colors 255 PNG8:Renkalo.png
# 16 x 16, 16 colours, with a one-pixel red border drawn transparent: a globe.
convert -size 16x16 xc:red -fill white -draw "rectangle 1,1 14,14" \
    -fill '#0000FF' -stroke '#000080' -draw "circle 7,7 7,2" \
    -stroke '#00FF00' -draw "line 3,7 12,7" -draw "line 7,3 7,12" \
    -stroke '#00FFFF' -fill none -draw "ellipse 7,7 2,5 0,360" \
    -colors 16 -type Palette BMP3:WebButton.bmp
