#!/usr/bin/env bash
# Start-up benchmark: Tarsilo10 against the bare Qt Widgets baseline
# (bench/baseline), alternating A B A B under Xvfb, without a window manager or
# with one (openbox, mutter, kwin or xfwm4: TARSILO_BENCH_WM).
# For each start it takes the time from exec to the main window being mapped
# and the peak resident memory (VmHWM) once the window is up and idle, and it
# reports medians, spreads and the ratios against the goals (at most 1.15 x
# the baseline for both).
#
#   bash scripts/bench-startup.sh [pairs]          (default 12, at least 10)
#   TARSILO_BENCH_WM=mutter bash scripts/bench-startup.sh 30
#
# It builds an optimised tree in build/bench; TARSILO_BENCH_BUILD_DIR=<dir>
# uses an existing build tree instead.
#
# The map is seen by bench_map_watcher, which listens for it on the X server:
# polling with `xdotool search --sync` would add its half-second poll.
set -euo pipefail
cd "$(dirname "$0")/.."
export LC_ALL=C # EPOCHREALTIME with a decimal point

window_manager=${TARSILO_BENCH_WM:-none}
if [ "$window_manager" != none ] && [ -z "${TARSILO_BENCH_DBUS:-}" ]; then
  # The window managers' services need a D-Bus session of their own.
  TARSILO_BENCH_DBUS=1 exec dbus-run-session -- bash "$0" "$@"
fi

pairs=${1:-12}
if ! [[ $pairs =~ ^[0-9]+$ ]] || ((pairs < 10)); then
  echo "usage: $0 [pairs], at least 10" >&2
  exit 2
fi
settle=0.5 # seconds between the map and reading the peak memory

build=${TARSILO_BENCH_BUILD_DIR:-build/bench}
if [ -z "${TARSILO_BENCH_BUILD_DIR:-}" ]; then
  bash scripts/install-deps.sh
  cmake --preset bench >/dev/null
fi
cmake --build "$build" --target Tarsilo10 bench_baseline bench_map_watcher >/dev/null
program=$build/qt/app/Tarsilo10
baseline=$build/bench/bench_baseline
watcher=$build/bench/bench_map_watcher
program_title="Tarsilo V1.0"
baseline_title="Baseline window"

work=$(mktemp -d)
xvfb_pid=
wm_pid=
cleanup() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY SESSION_MANAGER

case $window_manager in
  none) ;;
  openbox) wm_command=(openbox) ;;
  mutter) wm_command=(mutter --x11 --replace --sm-disable) ;;
  kwin) wm_command=(kwin_x11 --replace) ;;
  xfwm4) wm_command=(xfwm4 --replace --compositor=off --sm-client-disable) ;;
  *) echo "unknown window manager $window_manager" >&2; exit 2 ;;
esac
if [ "$window_manager" != none ]; then
  "${wm_command[@]}" >/dev/null 2>&1 &
  wm_pid=$!
  for _ in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
  done
  xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' ||
    { echo "$window_manager did not start" >&2; exit 1; }
fi

source scripts/bench-common.sh

# One start of a program whose window title begins with $1; prints
# "<milliseconds from exec to map> <peak resident kB>".
measure() {
  start_until_mapped "$1" 30 "$2" || return 1
  sleep "$settle"
  local peak
  peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$map_pid/status")
  kill -TERM "$map_pid"
  wait "$map_pid" 2>/dev/null || true
  awk -v a="$map_started" -v b="$map_seen" -v p="$peak" \
    'BEGIN { printf "%.2f %d\n", (b - a) * 1000, p }'
}

echo "Start-up benchmark: $pairs pairs A B (A = Tarsilo10, B = bare Qt Widgets baseline)"
echo "X server: Xvfb $DISPLAY, window manager: $window_manager; $(nproc) processors"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"

# A warm-up pair fills the page cache; it also checks by name that each
# window is visible.
for side in program baseline; do
  title_var=${side}_title
  measure "${!title_var}" "${!side}" >/dev/null
done
"$program" >/dev/null 2>&1 &
check_pid=$!
# A window manager's own windows may vanish while xdotool looks at them.
for attempt in 1 2 3; do
  xdotool search --sync --onlyvisible --name "^$program_title" >/dev/null 2>&1 && break
  [ "$attempt" -lt 3 ] || { echo "no visible window \"$program_title\"" >&2; exit 1; }
done
kill "$check_pid"
wait "$check_pid" 2>/dev/null || true

: >"$work/program"
: >"$work/baseline"
printf '%4s  %12s %12s  %12s %12s\n' pair "A map ms" "B map ms" "A peak kB" "B peak kB"
for pair in $(seq "$pairs"); do
  a=$(measure "$program_title" "$program")
  b=$(measure "$baseline_title" "$baseline")
  echo "$a" >>"$work/program"
  echo "$b" >>"$work/baseline"
  printf '%4d  %12s %12s  %12s %12s\n' "$pair" "${a% *}" "${b% *}" "${a#* }" "${b#* }"
done

report() {
  local label=$1 column=$2 unit=$3
  cut -d' ' -f"$column" "$work/program" >"$work/program.$column"
  cut -d' ' -f"$column" "$work/baseline" >"$work/baseline.$column"
  report_medians "$label ($unit)" 1.15 "$work/program.$column" "$work/baseline.$column"
}
report "Exec to main window mapped" 1 ms
report "Peak resident memory (VmHWM)" 2 kB
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
