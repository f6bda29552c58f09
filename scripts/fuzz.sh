#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer)
# into build/fuzz and runs each for a bounded time on a scratch copy of its
# seed corpus, two targets at a time. Fails if any target finds a crash, a
# sanitizer report, a leak, a timeout or a broken property; the input that
# did it is kept in build/fuzz/artifacts.
#
# Usage: scripts/fuzz.sh [seconds-per-target]   (default 45)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-45}"
build=build/fuzz
targets=(fuzz_parse_number fuzz_format_general fuzz_round_trip fuzz_calculation)

bash scripts/install-deps.sh
cmake -S tests/fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j2

# Options per target: the longest input worth trying (long enough for the
# number texts that overflow during accumulation) and the dictionary.
options_of() {
  case "$1" in
    fuzz_parse_number) echo "-max_len=12000 -dict=tests/fuzz/number_text.dict" ;;
    fuzz_format_general) echo "-max_len=19" ;;
    fuzz_round_trip) echo "-max_len=16" ;;
    fuzz_calculation) echo "-max_len=4096 -dict=tests/fuzz/number_text.dict" ;;
  esac
}

# New corpus entries go to a scratch directory, never into the repository.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$build/artifacts" "$build/logs"

run_target() {
  local target="$1"
  cp -r "tests/fuzz/corpus/$target" "$scratch/$target"
  # shellcheck disable=SC2046
  "$build/$target" $(options_of "$target") -max_total_time="$seconds" -timeout=30 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
    "$scratch/$target" >"$build/logs/$target.log" 2>&1
}

report() {
  local target="$1" status="$2"
  local stats
  stats="$(grep -E '^#[0-9]+[[:space:]]+DONE' "$build/logs/$target.log" | tail -n 1 || true)"
  if [ "$status" -eq 0 ]; then
    echo "fuzz: $target ok: ${stats:-no final stats}"
  else
    echo "fuzz: $target FAILED (exit $status); end of $build/logs/$target.log:"
    tail -n 40 "$build/logs/$target.log"
  fi
}

failed=0
for ((i = 0; i < ${#targets[@]}; i += 2)); do
  pids=()
  for target in "${targets[@]:i:2}"; do
    run_target "$target" &
    pids+=("$!")
  done
  for j in "${!pids[@]}"; do
    status=0
    wait "${pids[$j]}" || status=$?
    report "${targets[$((i + j))]}" "$status"
    [ "$status" -eq 0 ] || failed=1
  done
done
exit "$failed"
