#!/bin/sh
# The skinned menu bar under Wine: from a press on a bar entry to its painted
# drop-down, skinned against Wine's own menu bar. It is a Windows program, so it is built
# in the Windows tree (build/win64), whatever bench tree is given.
# Usage: run.sh BENCH_BUILD_DIR
set -eu
exec "$(dirname "$0")/../support/windows-bench.sh" menu_bench
