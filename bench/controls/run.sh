#!/bin/sh
# The skinned controls under Wine: one skinned button's paint against its
# unskinned paint, GDI objects over 10,000 hover cycles, and a 10,000-line memo
# scrolled end to end by thumb-track steps, skinned bars against the system's,
# with GDI objects before and after. A Windows program, built
# in the Windows tree (build/win64), whatever bench tree is given.
# Usage: run.sh BENCH_BUILD_DIR
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
win="$root/build/win64"
cmake -S "$root" -B "$win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build "$win" --target controls_bench >/dev/null
export KORVANE_WINEPREFIX="$root/build/wineprefix"
xvfb-run -a -s "-screen 0 1920x1200x24" "$root/scripts/with-wineserver.sh" \
  wine "$win/bin/controls_bench.exe" "Z:$root/data/skins/default.skn"
