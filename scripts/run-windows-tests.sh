#!/bin/sh
# Runs the Windows build's tests under Wine inside one private Xvfb display,
# with one wineserver kept alive for the whole run and stopped afterwards.
# Usage: scripts/run-windows-tests.sh BUILD_DIR [ctest arguments...]
set -eu
build=$1; shift
root=$(cd "$(dirname "$0")/.." && pwd)
export KORVANE_WINEPREFIX="$root/build/wineprefix"
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$root/scripts/with-wineserver.sh" \
  ctest --test-dir "$build" --output-on-failure "$@"
