#!/usr/bin/env bash
# Runs each fuzz target for the given number of seconds, one after the other.
#   run-fuzz.sh BUILD_DIR SECONDS TARGET...
# Seeds come from fuzz/corpus/<target> (never written); what the run finds goes to
# BUILD_DIR/corpus/<target>, crashes to BUILD_DIR/crashes/. Any finding fails the run.
set -u
build=$1; seconds=$2; shift 2
root=$(cd "$(dirname "$0")/.." && pwd)
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
failed=()
for target in "$@"; do
  seeds="$root/fuzz/corpus/$target"
  work="$build/corpus/$target"
  mkdir -p "$work" "$build/crashes" "$seeds"
  echo "== $target: $seconds s"
  if ! "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$build/crashes/$target-" "$work" "$seeds" \
      >"$build/$target.log" 2>&1; then
    failed+=("$target")
    tail -40 "$build/$target.log"
  else
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)|^Done' "$build/$target.log" || true
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Findings in: ${failed[*]} (inputs in $build/crashes/)" >&2
  exit 1
fi
echo "Fuzzing clean: $*"
