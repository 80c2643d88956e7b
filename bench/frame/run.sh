#!/bin/sh
# The skinned frame under Wine: full-HD frame paint against Wine's own, and the
# skin load with its LZH and BMP shares. It is a Windows program, so it is built
# in the Windows tree (build/win64), whatever bench tree is given.
# Usage: run.sh BENCH_BUILD_DIR
set -eu
exec "$(dirname "$0")/../support/windows-bench.sh" frame_bench
