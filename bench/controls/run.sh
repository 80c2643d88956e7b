#!/bin/sh
# The skinned controls under Wine: one skinned button's paint against its
# unskinned paint, GDI objects over 10,000 hover cycles, and a 10,000-line memo
# scrolled end to end by thumb-track steps, skinned bars against the system's,
# with GDI objects before and after. A Windows program, built
# in the Windows tree (build/win64), whatever bench tree is given.
# Usage: run.sh BENCH_BUILD_DIR
set -eu
exec "$(dirname "$0")/../support/windows-bench.sh" controls_bench
