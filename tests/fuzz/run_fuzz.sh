#!/usr/bin/env bash
# Runs fuzz targets built by `make fuzz`, each for a while, a few at a time (one process each), and
# prints what each ran. New inputs gather in BUILD/corpus/<target> (the committed seeds are read,
# never written); a crash leaves its input in BUILD/crashes/<target>/ and fails the run. A crash
# found is fixed and its input added to tests/fuzz/corpus/<target>/ so the replay tests keep it.
#
#   run_fuzz.sh BUILD SECONDS PARALLEL TARGET...
set -uo pipefail
build="$(cd "$1" && pwd)" seconds="$2" parallel="$3"
shift 3
here="$(cd "$(dirname "$0")" && pwd)"

run_one() {
  local t="$1"
  # One working folder each: a job's output goes to fuzz-0.log in the folder it was started from.
  local work="$build/fuzz-work/$t"
  # A new run starts clean: copy a crash into tests/fuzz/corpus/<target>/ before running again.
  rm -rf "$work" "$build/crashes/$t"
  mkdir -p "$work" "$build/corpus/$t" "$build/crashes/$t"
  # -close_fd_mask=2: the game's own stderr (alerts answered at once) would flood the log; the
  # fuzzer's and the sanitizers' reports still come through.
  # No fill of new blocks and a smaller quarantine: nearly twice the inputs a second, and the
  # blocks freed by one input are still checked in the next ones.
  (cd "$work" && ASAN_OPTIONS="${ASAN_OPTIONS:-max_malloc_fill_size=0:quarantine_size_mb=32}" "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -jobs=1 -workers=1 -timeout=10 \
    -malloc_limit_mb=512 -rss_limit_mb=2048 -print_final_stats=1 -close_fd_mask=2 \
    -artifact_prefix="$build/crashes/$t/" "$build/corpus/$t" "$here/corpus/$t" > driver.log 2>&1)
}
export -f run_one
export build seconds here

printf '%s\n' "$@" | xargs -P "$parallel" -I{} bash -c 'run_one {}'

failed=0
for t in "$@"; do
  log="$build/fuzz-work/$t/fuzz-0.log"
  units="$(grep -ho 'stat::number_of_executed_units: *[0-9]*' "$log" | tail -1 | grep -o '[0-9]*$')"
  crashes="$(find "$build/crashes/$t" -type f | wc -l)"
  printf '%-16s %12s executions  %s crash input(s)  (log: %s)\n' "$t" "${units:-?}" "$crashes" "$log"
  if [ "$crashes" -gt 0 ] || [ -z "$units" ]; then failed=1; fi
done
exit "$failed"
