#!/bin/sh
# Retakes the pictures of the skinned windows (frame), the skinned controls (controls), the
# gallery program in each shipped skin (gallery) or the plain Win32 program (plainwin) in
# docs/images from the Windows build.
# Usage: scripts/screenshots.sh frame|controls|gallery|plainwin [BUILD_DIR]   (default build/win64)
set -eu
case "${1:-}" in
  frame) prefix=skin ;;
  controls) prefix=controls ;;
  gallery) prefix=gallery ;;
  plainwin) prefix=plainwin ;;
  *) echo "usage: $0 frame|controls|gallery|plainwin [BUILD_DIR]" >&2; exit 2 ;;
esac
root=$(cd "$(dirname "$0")/.." && pwd)
build=${2:-$root/build/win64}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export KORVANE_WINEPREFIX="$root/build/wineprefix"
xvfb-run -a -s "-screen 0 1280x1024x24" "$root/scripts/with-wineserver.sh" \
  wine "$build/bin/${1}_screenshots.exe" "Z:$out" \
  "Z:$root/data/skins/default.skn"
for bmp in "$out"/*.bmp; do
  convert "$bmp" "$root/docs/images/$(basename "$bmp" .bmp).png"
done
ls "$root"/docs/images/$prefix-*.png
