#!/bin/sh
# Installs the Debian packages a target needs, only those missing.
# Usage: scripts/install-deps.sh run|test|bench
set -eu
need_run="cmake ninja-build g++ make python3 libpng-dev"
need_test="$need_run googletest clang libclang-rt-14-dev g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 xvfb xauth x11-apps imagemagick fonts-wine fonts-wqy-microhei xfonts-unifont pcf2bdf"
need_bench="$need_test netpbm unifont fortunes-zh libbenchmark-dev"
case "${1:-test}" in
  run) want=$need_run ;;
  test) want=$need_test ;;
  bench) want=$need_bench ;;
  *) echo "usage: $0 run|test|bench" >&2; exit 2 ;;
esac
missing=""
for p in $want; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
