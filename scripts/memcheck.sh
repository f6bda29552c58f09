#!/usr/bin/env bash
# Runs a scripted session of the program's windows under valgrind memcheck,
# headless: start, calculate, an error dialog, the cylinder, the reference
# window opened until its pictures are decoded and painted, closed, and the
# main window closed (tests/memcheck_session.cpp). Fails on any memory error,
# on any definite or indirect leak, and when the session does not go as
# scripted or does not end with exit status 0.
#
# Leaks of third-party libraries that are none of the program's doing can be
# suppressed by files in tests/valgrind-suppressions/*.supp; on Debian 12 with
# the offscreen platform none are needed.
#
# Usage: scripts/memcheck.sh [build directory, default build/test]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
cmake --build "$build" --target memcheck_session >/dev/null

suppressions=()
for file in tests/valgrind-suppressions/*.supp; do
  [ -e "$file" ] && suppressions+=("--suppressions=$file")
done

log="$build/memcheck.log"
session_log="$build/memcheck-session.log"
start=$(date +%s)
status=0
QT_QPA_PLATFORM=offscreen valgrind \
  --leak-check=full \
  --errors-for-leak-kinds=definite,indirect \
  --show-leak-kinds=definite,indirect \
  --num-callers=40 \
  --gen-suppressions=all \
  --error-exitcode=99 \
  "${suppressions[@]}" \
  --log-file="$log" \
  "$build/tests/memcheck_session" 2>"$session_log" || status=$?

echo "memcheck: $(($(date +%s) - start)) s under valgrind, full log in $log"
grep -E 'definitely lost:|indirectly lost:|ERROR SUMMARY:' "$log" | sed 's/^==[0-9]*== */memcheck: /'
case $status in
0) ;;
99)
  echo "memcheck: memory errors or leaks:" >&2
  # Each report runs from its headline to the blank line after its stack; a
  # block lost only through another one shows its headline alone.
  awk '/are indirectly lost/ {print; next}
       /are definitely lost|Invalid |uninitialised|Mismatched|overlap/ {show = 1}
       show && /^==[0-9]+==/ {print} /^==[0-9]+== $/ {show = 0}' "$log" >&2
  exit 1
  ;;
*)
  echo "memcheck: the session failed with exit status $status:" >&2
  grep 'memcheck session' "$session_log" >&2 || true
  exit 1
  ;;
esac
