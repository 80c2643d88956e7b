#!/bin/sh
# Runs every fuzzer of a fuzz build for a while, one after the other, with the
# memory limit of the short runs of `make test`, and prints how many inputs
# each tried per second. Not part of `make test`: a soak takes minutes.
#
#   scripts/fuzz-soak.sh [MINUTES] [BUILD_DIR] [FUZZER...]
#
# MINUTES (default 5) is per fuzzer and may be a fraction; BUILD_DIR defaults
# to build/fuzz (`make fuzz` builds it). New inputs the fuzzers find are kept
# in BUILD_DIR/corpus/NAME, as in the short runs. A fuzzer that finds a crash
# leaves its input in BUILD_DIR/soak and makes the script exit 1.
set -eu
minutes=${1:-5}
build=${2:-build/fuzz}
[ $# -gt 2 ] && shift 2 || set --
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=$(awk -v m="$minutes" 'BEGIN { s = int(m * 60 + 0.5); print (s < 1 ? 1 : s) }')
[ $# -gt 0 ] || set -- $(cd "$build/bin" && ls fuzz_* 2>/dev/null)
[ $# -gt 0 ] || { echo "no fuzzers in $build/bin (make fuzz builds them)" >&2; exit 2; }
mkdir -p "$build/soak"
status=0
total_runs=0
total_seconds=0
printf '%-20s %10s %8s %10s\n' fuzzer runs seconds 'runs/s'
for name in "$@"; do
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  seeds=
  [ -d "$root/fuzz/corpus/$name" ] && seeds="$root/fuzz/corpus/$name"
  log="$build/soak/$name.log"
  if ! "$build/bin/$name" -max_total_time="$seconds" -rss_limit_mb=512 -timeout=10 \
      -print_final_stats=1 -artifact_prefix="$build/soak/$name-" "$corpus" $seeds >"$log" 2>&1; then
    status=1
    echo "$name: failed, see $log" >&2
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  elapsed=$(sed -n 's/.*Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -n 1)
  runs=${runs:-0}
  elapsed=${elapsed:-$seconds}
  [ "$elapsed" -gt 0 ] || elapsed=1
  printf '%-20s %10d %8d %10d\n' "$name" "$runs" "$elapsed" $((runs / elapsed))
  total_runs=$((total_runs + runs))
  total_seconds=$((total_seconds + elapsed))
done
[ "$total_seconds" -gt 0 ] || total_seconds=1
printf '%-20s %10d %8d %10d\n' total "$total_runs" "$total_seconds" $((total_runs / total_seconds))
exit $status
