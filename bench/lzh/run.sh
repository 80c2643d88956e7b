#!/bin/sh
# LZHUF sizes and speed, ours against the classic 1988 coder, on 1 MB of text
# (the Chinese fortunes; Vim's English release notes too when installed) and
# a 1 MB 24-bit bitmap (ImageMagick's logo image).
set -eu
build=$1
data=$build/lzh_bench_data
mkdir -p "$data"
[ -s "$data/text.txt" ] || head -c 1048576 /usr/share/games/fortunes/chinese > "$data/text.txt"
[ -s "$data/bitmap.bmp" ] || convert logo: -resize '592x592!' bmp3:"$data/bitmap.bmp"
set -- text="$data/text.txt" bitmap="$data/bitmap.bmp"
if ls /usr/share/vim/vim*/doc/version7.txt >/dev/null 2>&1; then
  [ -s "$data/english.txt" ] ||
    cat /usr/share/vim/vim*/doc/version[5-9].txt | head -c 1048576 > "$data/english.txt"
  set -- "$@" english="$data/english.txt"
fi
"$build/bin/lzh_bench" "$@"
