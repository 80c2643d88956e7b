#!/bin/sh
# Skin drawing kernels on full-HD sizes: time per call and the ratio to a
# plain peer measured in the same run.
# Usage: run.sh BENCH_BUILD_DIR
set -eu
build=$1
[ -x "$build/bin/drawing_bench" ] || { echo "missing $build/bin/drawing_bench: build the bench tree first" >&2; exit 1; }
"$build/bin/drawing_bench" --benchmark_min_time=0.2 2>&1
