#!/bin/sh
# The gallery's skin switch under Wine: every window of the gallery open (the
# form, the MDI page, the message and open dialogs), switched from one shipped
# skin to the next, against the same windows repainted without a switch.
# A Windows program: built in build/win64, whatever bench tree is given.
# Usage: run.sh BENCH_BUILD_DIR
set -eu
exec "$(dirname "$0")/../support/windows-bench.sh" gallery_bench 1280x1024
