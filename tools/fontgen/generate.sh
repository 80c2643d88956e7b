#!/bin/sh
# Builds ASC16 and HZK16 from Debian's GNU Unifont (xfonts-unifont) into OUTDIR.
# Usage: generate.sh FONTGEN OUTDIR     (exit 77 when the font or pcf2bdf is absent)
set -eu
fontgen=$1
out=$2
pcf=/usr/share/fonts/X11/misc/unifont.pcf.gz
if [ ! -r "$pcf" ] || ! command -v pcf2bdf >/dev/null; then
  echo "GNU Unifont ($pcf) or pcf2bdf is not installed" >&2
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pcf2bdf -o "$work/unifont.bdf" "$pcf"
mkdir -p "$out"
"$fontgen" "$work/unifont.bdf" "$out"
