#!/usr/bin/env bash
# Runs every fuzz target for the given number of seconds each (default 30),
# as many at once as the machine has cores, starting from the seed corpora
# in tests/fuzz/corpus. Exits non-zero on any
# finding; the input that caused it is left in build/fuzz/findings.
# Usage: scripts/fuzz.sh [seconds-per-target] [target]...
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(fuzz_settings fuzz_language_file fuzz_bmp fuzz_version_reply)

"$root/scripts/setup.sh"
"$root/scripts/build.sh" sanitize >/dev/null

work="$root/build/fuzz"
mkdir -p "$work/findings"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# One target a core: each runs for its full time, two at once on two cores.
run_target() {
  local target=$1
  # New inputs go into a working corpus of the build, never into the seeds.
  local corpus="$work/corpus/$target"
  mkdir -p "$corpus"
  "$root/build/sanitize/tests/fuzz/$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$work/findings/$target-" \
    "$corpus" "$root/tests/fuzz/corpus/$target" >"$work/$target.log" 2>&1
}
cores=$(nproc 2>/dev/null || echo 1)
pids=()
names=()
failed=0
report() {  # waits for the oldest running target and says how it went
  local target=${names[0]}
  if wait "${pids[0]}"; then
    echo "== $target: ${seconds} s: $(grep -E "stat::number_of_executed_units|Done [0-9]+ runs" "$work/$target.log" | tail -n 1)"
  else
    tail -n 40 "$work/$target.log"
    echo "FAILED: $target (log: $work/$target.log)"
    failed=1
  fi
  pids=("${pids[@]:1}")
  names=("${names[@]:1}")
}
for target in "${targets[@]}"; do
  ((${#pids[@]} < cores)) || report
  run_target "$target" &
  pids+=($!)
  names+=("$target")
done
while ((${#pids[@]})); do report; done
exit "$failed"
