#!/bin/sh
# The gallery's skin switch under Wine: every window of the gallery open (the
# form, the MDI page, the message and open dialogs), switched from one
# shipped skin to the next, against the same windows repainted without a
# switch. A Windows program: built in build/win64, whatever bench tree is given.
# Usage: run.sh BENCH_BUILD_DIR
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
win="$root/build/win64"
cmake -S "$root" -B "$win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build "$win" --target gallery_bench >/dev/null
export KORVANE_WINEPREFIX="$root/build/wineprefix"
xvfb-run -a -s "-screen 0 1280x1024x24" "$root/scripts/with-wineserver.sh" \
  wine "$win/bin/gallery_bench.exe" "Z:$root/data/skins"
