#!/usr/bin/env bash
# Derives talpora.ico, the icon of the Windows programs, from talpora.svg: 256, 48, 32 and 16 px.
# Needs a Linux build (for packaging/talpora_render_icon) and ImageMagick. Run again after
# changing the drawing and commit both files.
#   viewer/ui/icons/make-ico.sh <build folder>
set -euo pipefail
render=$(realpath "$1")/packaging/talpora_render_icon
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for size in 256 48 32 16; do
    QT_QPA_PLATFORM=offscreen "$render" talpora.svg "$size" "$work/$size.png"
done
convert "$work/256.png" "$work/48.png" "$work/32.png" "$work/16.png" talpora.ico
