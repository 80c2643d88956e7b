#!/bin/sh
# The manager under Wine: 1,000 forms made, shown and destroyed with the
# manager skinning them against the same without a manager, and korvane.exe's
# start-up to its first painted skinned frame against the same program whose
# main window stays unskinned. Windows programs: built in build/win64,
# whatever bench tree is given.
# Usage: run.sh BENCH_BUILD_DIR
set -eu
exec "$(dirname "$0")/../support/windows-bench.sh" manager_bench 1280x1024
