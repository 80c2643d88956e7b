#!/bin/sh
# The manager under Wine: 1,000 forms made, shown and destroyed with the
# manager skinning them against the same without a manager, and korvane.exe's
# start-up to its first painted skinned frame against the same program whose
# main window stays unskinned. Windows programs: built in build/win64,
# whatever bench tree is given.
# Usage: run.sh BENCH_BUILD_DIR
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
win="$root/build/win64"
cmake -S "$root" -B "$win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build "$win" --target manager_bench >/dev/null
export KORVANE_WINEPREFIX="$root/build/wineprefix"
xvfb-run -a -s "-screen 0 1280x1024x24" "$root/scripts/with-wineserver.sh" \
  wine "$win/bin/manager_bench.exe" "Z:$root/data/skins/default.skn"
