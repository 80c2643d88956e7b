#!/bin/sh
# txt2bmp against netpbm (pbmtext -wchar with GNU Unifont, piped into
# ppmtobmp -bpp=1) on the same ~2 MB Chinese text, in one run.
# Prints the median of five timings of each, their ratio and peak memory.
# The BMP files go to memory (/dev/shm) when it is there, so that disk
# write-back of earlier runs does not land on a later one.
# Usage: run.sh BENCH_BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work="$build/bench-convert"
txt2bmp="$build/bin/txt2bmp"
pcf=/usr/share/fonts/X11/misc/unifont.pcf.gz
for tool in pbmtext ppmtobmp pcf2bdf /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/install-deps.sh bench)" >&2; exit 1; }
done
[ -x "$txt2bmp" ] || { echo "missing $txt2bmp: build the bench tree first" >&2; exit 1; }
mkdir -p "$work"
if [ -d /dev/shm ] && [ -w /dev/shm ]; then out=$(mktemp -d /dev/shm/korvane-bench.XXXXXX); else out=$(mktemp -d "$work/out.XXXXXX"); fi
trap 'rm -rf "$out"' EXIT
[ -s "$work/text.gb" ] || "$here/make_text.sh" "$work/text"
[ -s "$work/unifont.bdf" ] || pcf2bdf -o "$work/unifont.bdf" "$pcf"

# One timed run: prints "elapsed_s cpu_s peak_kb". The output file is removed first,
# so neither side pays for freeing an old one.
measure() {
  target=$1; shift
  rm -f "$target"
  /usr/bin/time -f "%e %U %S %M" -o "$work/time.txt" "$@" 2>/dev/null
  awk '{ printf "%s %.2f %s\n", $1, $2 + $3, $4 }' "$work/time.txt"
}
median() { sort -n | sed -n 3p; }

: > "$work/ours.txt"; : > "$work/peer.txt"
for run in 1 2 3 4 5; do
  measure "$out/ours.bmp" "$txt2bmp" --quiet "$work/text.gb" "$out/ours.bmp" >> "$work/ours.txt"
  measure "$out/peer.bmp" sh -c 'LC_ALL=C.UTF-8 pbmtext -wchar -font "$1" < "$2" | ppmtobmp -bpp=1 > "$3"' \
    sh "$work/unifont.bdf" "$work/text.utf8" "$out/peer.bmp" >> "$work/peer.txt"
done
ours=$(cut -d' ' -f1 < "$work/ours.txt" | median)
peer=$(cut -d' ' -f1 < "$work/peer.txt" | median)
ours_cpu=$(cut -d' ' -f2 < "$work/ours.txt" | median)
peer_cpu=$(cut -d' ' -f2 < "$work/peer.txt" | median)
ours_kb=$(cut -d' ' -f3 < "$work/ours.txt" | sort -n | tail -1)
peer_kb=$(cut -d' ' -f3 < "$work/peer.txt" | sort -n | tail -1)
input=$(wc -c < "$work/text.gb")
bmp=$(wc -c < "$out/ours.bmp")
echo "BMP files written to $(dirname "$out")"
echo "input: $input bytes GB2312 ($(wc -l < "$work/text.gb") lines); txt2bmp BMP: $bmp bytes"
echo "txt2bmp:          ${ours} s (cpu ${ours_cpu} s), peak ${ours_kb} KB (BMP + input = $(( (bmp + input) / 1024 )) KB)"
echo "pbmtext|ppmtobmp: ${peer} s (cpu ${peer_cpu} s), peak ${peer_kb} KB (largest process of the pipeline)"
awk -v a="$ours" -v b="$peer" -v c="$ours_cpu" -v d="$peer_cpu" 'BEGIN {
  if (b > 0) printf "ratio txt2bmp/peer, elapsed: %.3f (target <= 0.200)\n", a / b
  if (d > 0) printf "ratio txt2bmp/peer, cpu:     %.3f\n", c / d }'
