#!/usr/bin/env bash
# Runs every fuzz target of build-asan for SECONDS (default 30), two at a time,
# starting from its seed corpus in fuzz/corpus. Fails on the first crash or
# sanitizer report; the input that caused it is left in build-asan/fuzz/artifacts.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-30}"
bin="$root/build-asan/fuzz"
mkdir -p "$bin/work" "$bin/artifacts"

run_one() {
  local name="$1" seconds="$2" root="$3" bin="$4"
  mkdir -p "$bin/work/$name"
  if (cd "$bin/work" && "$bin/$name" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 \
        -max_len=8192 -artifact_prefix="$bin/artifacts/$name-" \
        "$bin/work/$name" "$root/fuzz/corpus/$name" >"$bin/work/$name.log" 2>&1); then
    echo "$name: $(grep -E '^#[0-9]+.*DONE' "$bin/work/$name.log" | tail -1)"
  else
    echo "$name: FAILED" >&2
    tail -40 "$bin/work/$name.log" >&2
    return 1
  fi
}
export -f run_one

targets=(fuzz_textload fuzz_inifile fuzz_registry fuzz_links fuzz_programtext)
printf '%s\n' "${targets[@]}" | xargs -P 2 -I{} bash -c 'run_one "$@"' _ {} "$seconds" "$root" "$bin"
echo "Fuzzing: ${#targets[@]} targets ran ${seconds} s each without a finding."
