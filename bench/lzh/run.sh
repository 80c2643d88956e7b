#!/bin/sh
# LZHUF sizes and speed, ours against the classic 1988 coder, on a 1 MB text
# (Vim's release notes) and a 1 MB 24-bit bitmap (ImageMagick's logo image).
set -eu
build=$1
data=$build/lzh_bench_data
mkdir -p "$data"
if [ ! -s "$data/text.txt" ]; then
  cat /usr/share/vim/vim9*/doc/version[5-9].txt | head -c 1048576 > "$data/text.txt"
fi
if [ ! -s "$data/bitmap.bmp" ]; then
  convert logo: -resize '592x592!' bmp3:"$data/bitmap.bmp"
fi
"$build/bin/lzh_bench" text="$data/text.txt" bitmap="$data/bitmap.bmp"
