#!/bin/sh
# Runs the Windows build's tests under Wine inside one private Xvfb display,
# with one wineserver kept alive for the whole run.
set -eu
build=$1; shift
root=$(cd "$(dirname "$0")/.." && pwd)
export KORVANE_WINEPREFIX="$root/build/wineprefix"
export WINEPREFIX="$KORVANE_WINEPREFIX" WINEDEBUG=-all
exec xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  "$0/cmake/wine-prefix" "$WINEPREFIX"
  wineserver -p
  status=0
  ctest --test-dir "$1" --output-on-failure "$@" || status=$?
  wineserver -k || true
  exit $status' "$root" "$build" "$@"
