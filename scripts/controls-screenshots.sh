#!/bin/sh
# Retakes the pictures of skinned controls in docs/images from the Windows build.
# Usage: scripts/frame-screenshots.sh [BUILD_DIR]   (default build/win64)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/win64}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export KORVANE_WINEPREFIX="$root/build/wineprefix"
xvfb-run -a -s "-screen 0 1280x1024x24" "$root/scripts/with-wineserver.sh" \
  wine "$build/bin/controls_screenshots.exe" "Z:$out" \
  "Z:$root/data/skins/default.skn"
for bmp in "$out"/*.bmp; do
  convert "$bmp" "$root/docs/images/$(basename "$bmp" .bmp).png"
done
ls "$root"/docs/images/controls-*.png
