#!/bin/sh
# Runs a command with a fresh wineserver for $KORVANE_WINEPREFIX on the
# current display. A server left over from an earlier run belongs to a display
# that is gone, so it is stopped first; ours is stopped when the command ends.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
: "${KORVANE_WINEPREFIX:=$root/build/wineprefix}"
export WINEPREFIX="$KORVANE_WINEPREFIX" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$root/cmake/wine-prefix" "$WINEPREFIX"
wineserver -k >/dev/null 2>&1 || true
wineserver -w >/dev/null 2>&1 || true
wineserver -p >/dev/null 2>&1 </dev/null
# Start Wine's own services now, with their output detached: started later by a
# test, they would inherit its output pipe and keep ctest waiting for its end.
wine cmd /c exit >/dev/null 2>&1 </dev/null || true
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT INT TERM
status=0
"$@" || status=$?
exit $status
