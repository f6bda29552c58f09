#!/usr/bin/env bash
# Runs the program on real desktops: each scenario of tests/desktop starts its
# own X server with openbox (or weston's headless backend) inside a D-Bus
# session of its own with the accessibility bus, drives the program with
# xdotool and AT-SPI and reads the windows from the X server.
#
# Usage: scripts/test-desktop.sh [build directory, default build/test]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
cmake --build "$build" --target Tarsilo10 >/dev/null
executable=$(realpath "$build/app/Tarsilo10")

# The accessibility bindings belong to the system's Python; it leaves no
# bytecode in the source tree.
python=/usr/bin/python3
export PYTHONDONTWRITEBYTECODE=1
scenarios=(centred stacking error-dialog close wayland session-end no-display no-options)
# No scenario may hang the tier. The D-Bus session's and the accessibility
# registry's start-up chatter is left out of the log.
per_scenario=90

start=$(date +%s)
log=$(mktemp)
trap 'rm -f "$log"' EXIT
failed=()
for scenario in "${scenarios[@]}"; do
  status=0
  timeout --kill-after=5 "$per_scenario" \
    dbus-run-session -- "$python" tests/desktop/run.py "$executable" "$scenario" \
    >"$log" 2>&1 || status=$?
  grep -v -e 'fd limit' -e 'Activating service' -e 'Successfully activated' \
    -e 'SpiRegistry daemon' -e 'XDG_RUNTIME_DIR' "$log" || true
  if [ "$status" -ne 0 ]; then
    failed+=("$scenario")
  fi
done
echo "desktop tier: $((${#scenarios[@]} - ${#failed[@]})) of ${#scenarios[@]} scenarios passed in $(($(date +%s) - start)) s"
if [ ${#failed[@]} -gt 0 ]; then
  echo "failed: ${failed[*]}" >&2
  exit 1
fi
