#!/bin/sh
# txt2bmp on the ~2 MB Chinese text (a 205 MB page), in one run against:
#  - dd writing the same number of bytes to the same place (the cost of the
#    writing alone; goal: txt2bmp <= 1.15 x dd);
#  - netpbm (pbmtext -wchar with GNU Unifont, piped into ppmtobmp -bpp=1;
#    goal: txt2bmp <= 0.15 x the pipeline);
# then peak memory for that page and for a page near 1 GB made from generated
# text (goal: input size + 16 MB), and the same text as PNG beside the BMP.
# Timings are the median of five runs.
# The files go to memory (/dev/shm) when it is there, so that disk write-back
# of earlier runs does not land on a later one.
# Usage: run.sh BENCH_BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work="$build/bench-convert"
txt2bmp="$build/bin/txt2bmp"
pcf=/usr/share/fonts/X11/misc/unifont.pcf.gz
for tool in pbmtext ppmtobmp pcf2bdf dd /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/install-deps.sh bench)" >&2; exit 1; }
done
[ -x "$txt2bmp" ] || { echo "missing $txt2bmp: build the bench tree first" >&2; exit 1; }
mkdir -p "$work"
if [ -d /dev/shm ] && [ -w /dev/shm ]; then out=$(mktemp -d /dev/shm/korvane-bench.XXXXXX); else out=$(mktemp -d "$work/out.XXXXXX"); fi
trap 'rm -rf "$out"' EXIT
[ -s "$work/text.gb" ] || "$here/make_text.sh" "$work/text"
[ -s "$work/unifont.bdf" ] || pcf2bdf -o "$work/unifont.bdf" "$pcf"
# The near-1 GB page: 460,000 lines of 100 bytes of the same text, 860 x 9,200,060 pixels.
if [ ! -s "$work/big.gb" ]; then
  i=0; while [ $i -lt 25 ]; do cat "$work/text.gb"; i=$((i + 1)); done |
    tr -d '\r\n' | fold -b -w 100 | head -n 460000 > "$work/big.gb"
fi

# One timed run: prints "elapsed_s cpu_s peak_kb". The output file is removed first,
# so no side pays for freeing an old one.
measure() {
  target=$1; shift
  rm -f "$target"
  /usr/bin/time -f "%e %U %S %M" -o "$work/time.txt" "$@" 2>/dev/null
  awk '{ printf "%s %.2f %s\n", $1, $2 + $3, $4 }' "$work/time.txt"
}
median() { sort -n | sed -n 3p; }
column() { cut -d' ' -f"$1" < "$work/$2.txt"; }
peak() { column 3 "$1" | sort -n | tail -1; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.3f", a / b; else printf "n/a" }'; }

"$txt2bmp" --quiet "$work/text.gb" "$out/ours.bmp"
bmp=$(wc -c < "$out/ours.bmp")
: > "$work/ours.txt"; : > "$work/dd.txt"; : > "$work/peer.txt"; : > "$work/png.txt"
for run in 1 2 3 4 5; do
  measure "$out/ours.bmp" "$txt2bmp" --quiet "$work/text.gb" "$out/ours.bmp" >> "$work/ours.txt"
  measure "$out/dd.bmp" dd if=/dev/zero of="$out/dd.bmp" bs=1M count="$bmp" iflag=count_bytes status=none >> "$work/dd.txt"
  measure "$out/peer.bmp" sh -c 'LC_ALL=C.UTF-8 pbmtext -wchar -font "$1" < "$2" | ppmtobmp -bpp=1 > "$3"' \
    sh "$work/unifont.bdf" "$work/text.utf8" "$out/peer.bmp" >> "$work/peer.txt"
  measure "$out/ours.png" "$txt2bmp" --quiet --format png "$work/text.gb" "$out/ours.png" >> "$work/png.txt"
done
ours=$(column 1 ours | median); dd_s=$(column 1 dd | median); peer=$(column 1 peer | median); png=$(column 1 png | median)
input=$(wc -c < "$work/text.gb")
echo "files written to $(dirname "$out")"
echo "input: $input bytes GB2312 ($(wc -l < "$work/text.gb") lines); BMP: $bmp bytes; PNG: $(wc -c < "$out/ours.png") bytes"
echo "txt2bmp:          ${ours} s (cpu $(column 2 ours | median) s), peak $(peak ours) KB (goal: input + 16 MB = $(( input / 1024 + 16384 )) KB)"
echo "dd, same bytes:   ${dd_s} s (cpu $(column 2 dd | median) s)"
echo "pbmtext|ppmtobmp: ${peer} s (cpu $(column 2 peer | median) s), peak $(peak peer) KB (largest process of the pipeline)"
echo "txt2bmp --format png: ${png} s (cpu $(column 2 png | median) s), peak $(peak png) KB"
echo "ratio txt2bmp/dd:   $(ratio "$ours" "$dd_s") elapsed (goal <= 1.15), $(ratio "$(column 2 ours | median)" "$(column 2 dd | median)") cpu"
echo "ratio txt2bmp/peer: $(ratio "$ours" "$peer") elapsed (goal <= 0.15), $(ratio "$(column 2 ours | median)" "$(column 2 peer | median)") cpu"
echo "load average while measuring: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"

# The near-1 GB page: one run of each, then the file is gone before the next.
big_input=$(wc -c < "$work/big.gb")
measure "$out/big.bmp" "$txt2bmp" --quiet "$work/big.gb" "$out/big.bmp" > "$work/big.txt"
big_bmp=$(wc -c < "$out/big.bmp"); rm -f "$out/big.bmp"
measure "$out/big-dd.bmp" dd if=/dev/zero of="$out/big-dd.bmp" bs=1M count="$big_bmp" iflag=count_bytes status=none > "$work/big-dd.txt"
rm -f "$out/big-dd.bmp"
echo "near-1 GB page: input $big_input bytes ($(wc -l < "$work/big.gb") lines), BMP $big_bmp bytes"
echo "  txt2bmp: $(column 1 big) s, peak $(peak big) KB (goal: input + 16 MB = $(( big_input / 1024 + 16384 )) KB); dd: $(column 1 big-dd) s; ratio $(ratio "$(column 1 big)" "$(column 1 big-dd)")"
