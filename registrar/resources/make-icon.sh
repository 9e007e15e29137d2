#!/usr/bin/env bash
# Derives quillet.ico from quillet.svg with ImageMagick: 32 x 32 black and white, 32 x 32 and
# 16 x 16 in 16 colours. Run again after changing the drawing and commit both files.
set -euo pipefail
cd "$(dirname "$0")"
convert -background none quillet.svg -alpha on \
    \( -clone 0 -grayscale Rec709Luma -channel RGBA -threshold 50% +channel \) \
    \( -clone 0 -channel A -threshold 50% +channel +dither -colors 16 \) \
    \( -clone 0 -resize 16x16 -channel A -threshold 50% +channel +dither -colors 16 \) \
    -delete 0 quillet.ico
