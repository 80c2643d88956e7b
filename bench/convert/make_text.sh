#!/bin/sh
# Writes OUT.gb (GB2312, about 2 MB) and OUT.utf8 (the same characters in UTF-8)
# from the Tang and Song poems of Debian's fortunes-zh, repeated as needed.
# Usage: make_text.sh OUT
set -eu
out=$1
poems=/usr/share/games/fortunes
for f in tang300 song100; do
  [ -r "$poems/$f" ] || { echo "fortunes-zh is not installed ($poems/$f)" >&2; exit 1; }
done
# Colour escapes go; the fortune separators become blank lines.
sed -e 's/\x1b\[[0-9;]*m//g' -e 's/^%$//' "$poems/tang300" "$poems/song100" |
  iconv -f UTF-8 -t GB2312 -c > "$out.one"
: > "$out.gb"
while [ "$(wc -c < "$out.gb")" -lt 2000000 ]; do cat "$out.one" >> "$out.gb"; done
rm -f "$out.one"
iconv -f GB2312 -t UTF-8 "$out.gb" > "$out.utf8"
