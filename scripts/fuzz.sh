#!/usr/bin/env bash
# Runs every fuzz target for the given number of seconds each (default 30),
# starting from the seed corpora in tests/fuzz/corpus. Exits non-zero on any
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
failed=0
for target in "${targets[@]}"; do
  # New inputs go into a working corpus of the build, never into the seeds.
  corpus="$work/corpus/$target"
  mkdir -p "$corpus"
  echo "== $target: ${seconds} s"
  if ! "$root/build/sanitize/tests/fuzz/$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$work/findings/$target-" \
      "$corpus" "$root/tests/fuzz/corpus/$target" >"$work/$target.log" 2>&1; then
    tail -n 40 "$work/$target.log"
    echo "FAILED: $target (log: $work/$target.log)"
    failed=1
  else
    grep -E "stat::number_of_executed_units|Done [0-9]+ runs" "$work/$target.log" | tail -n 1
  fi
done
exit "$failed"
