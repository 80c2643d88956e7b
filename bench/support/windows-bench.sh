#!/bin/sh
# Builds one Windows bench program in the Windows tree (build/win64) and runs it
# under Wine in its own X server with the default skin, whatever bench tree the
# caller was given.
# Usage: windows-bench.sh TARGET [SCREEN]   (SCREEN default 1920x1200)
set -eu
target=$1
screen=${2:-1920x1200}
root=$(cd "$(dirname "$0")/../.." && pwd)
win="$root/build/win64"
cmake -S "$root" -B "$win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build "$win" --target "$target" >/dev/null
export KORVANE_WINEPREFIX="$root/build/wineprefix"
xvfb-run -a -s "-screen 0 ${screen}x24" "$root/scripts/with-wineserver.sh" \
  wine "$win/bin/$target.exe" "Z:$root/data/skins/default.skn"
