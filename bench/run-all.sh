#!/bin/sh
# Runs every benchmark script under bench/*/run.sh with the bench build tree.
set -eu
build=$1
root=$(cd "$(dirname "$0")/.." && pwd)
for script in "$root"/bench/*/run.sh; do
  [ -x "$script" ] || continue
  echo "== $(basename "$(dirname "$script")")"
  "$script" "$root/$build"
done
