#!/usr/bin/env bash
# Runs the program on real desktops: for each desktop, tests/desktop starts an
# X server with its window manager (or a Wayland compositor) inside a D-Bus
# session of its own with the accessibility bus, runs its scenarios one after
# another, each with a program of its own, drives the program with xdotool
# and AT-SPI and reads the windows from the X server.
#
# Usage: scripts/test-desktop.sh [build directory, default build/test]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
cmake --build "$build" --target Tarsilo10 >/dev/null
executable=$(realpath "$build/qt/app/Tarsilo10")

# The accessibility bindings belong to the system's Python; it leaves no
# bytecode in the source tree.
python=/usr/bin/python3
export PYTHONDONTWRITEBYTECODE=1
# The window managers of Debian's main desktops and openbox on Xvfb, the
# Wayland sessions of GNOME and KDE Plasma (the program runs on their XWayland
# server), GNOME's on two monitors of different sizes, weston with Qt's Wayland
# plugin, and no display at all. Where the window manager tells the frame only
# once it manages the window, the main window is placed again while unseen:
# also with the window manager starved of time, as on a busy machine.
x_scenarios="centred stacking task-entry error-dialog close session-end no-options"
desktops=(
  "openbox:$x_scenarios empty-title screen-reader"
  "mutter:$x_scenarios"
  "kwin:$x_scenarios centred-busy-manager"
  "xfwm4:$x_scenarios"
  "mutter-wayland:$x_scenarios"
  "kwin-wayland:$x_scenarios centred-busy-manager"
  "two-monitors:monitors"
  "weston:wayland"
  "none:no-display"
)
# No desktop may hang the tier. The D-Bus session's, the accessibility
# registry's and the compositors' start-up chatter is left out of the log.
per_desktop=120

start=$(date +%s)
log=$(mktemp)
trap 'rm -f "$log"' EXIT
failed=()
passed=0
for entry in "${desktops[@]}"; do
  desktop=${entry%%:*}
  read -r -a scenarios <<<"${entry#*:}"
  status=0
  timeout --kill-after=5 "$per_desktop" \
    dbus-run-session -- "$python" tests/desktop/run.py "$executable" "$desktop" "${scenarios[@]}" \
    >"$log" 2>&1 || status=$?
  grep -e '^PASS' -e '^FAIL' -e 'measured:' -e ' up in ' -e 'Error' -e 'Traceback' -e '^  File' "$log" | grep -v 'fd limit' || true
  passed=$((passed + $(grep -c '^PASS' "$log" || true)))
  if [ "$status" -ne 0 ]; then
    failed+=("$desktop")
  fi
done
total=0
for entry in "${desktops[@]}"; do
  read -r -a scenarios <<<"${entry#*:}"
  total=$((total + ${#scenarios[@]}))
done
echo "desktop tier: $passed of $total scenarios passed on ${#desktops[@]} desktops in $(($(date +%s) - start)) s"
if [ ${#failed[@]} -gt 0 ]; then
  echo "failed on: ${failed[*]}" >&2
  exit 1
fi
