#!/usr/bin/env bash
# Start-up benchmark of the Windows build under Wine: Tarsilo10.exe against
# the bare Win32 window with as many controls (bench/win32), alternating
# A B A B on an Xvfb display without a window manager, in a fresh Wine prefix
# whose server stays up for the whole run. Each start is timed from exec to
# the main window being mapped on the X display, as bench_map_watcher sees it
# (the watcher of scripts/bench-startup.sh); it reports medians, interquartile
# ranges and the ratio against the goal (Tarsilo at most 1.1 x the baseline),
# and the median of the ratios within pairs.
#
#   bash scripts/bench-startup-windows.sh [pairs]      (default 20, at least 10)
#
# It uses the Windows build in build/windows (scripts/build-windows.sh makes
# it) and builds the watcher in build/bench.
set -euo pipefail
cd "$(dirname "$0")/.."
export LC_ALL=C # EPOCHREALTIME with a decimal point

pairs=${1:-20}
if ! [[ $pairs =~ ^[0-9]+$ ]] || ((pairs < 10)); then
  echo "usage: $0 [pairs], at least 10" >&2
  exit 2
fi

bash scripts/install-deps.sh
bash scripts/build-libjpeg-windows.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Tarsilo10 bench_win32_baseline >/dev/null
cmake --preset bench >/dev/null
cmake --build build/bench --target bench_map_watcher >/dev/null
program=build/windows/win32/Tarsilo10.exe
baseline=build/windows/bench/win32/bench_win32_baseline.exe
watcher=build/bench/bench/bench_map_watcher
program_title="Tarsilo V1.0"
baseline_title="Baseline window"

source scripts/wine-session.sh
source scripts/bench-common.sh
start_wine_session 1280x1024
# A server that outlives every program, so that no start pays for its own.
mkdir "$WINEPREFIX"
/usr/lib/wine/wineserver64 -p
timeout 120 scripts/wine-run.sh wineboot -i >/dev/null 2>&1 ||
  { echo "wineboot -i did not make the prefix within 120 s" >&2; exit 1; }

# One start of a program whose window title begins with $1; prints the
# milliseconds from exec to the map.
measure() {
  start_until_mapped "$1" 60 scripts/wine-run.sh "$2" || return 1
  kill -TERM "$map_pid"
  wait "$map_pid" 2>/dev/null || true
  awk -v a="$map_started" -v b="$map_seen" 'BEGIN { printf "%.2f\n", (b - a) * 1000 }'
}

echo "Windows start-up benchmark under $(scripts/wine-run.sh --version): $pairs pairs A B"
echo "  A = Tarsilo10.exe, B = bare Win32 window with the same controls"
echo "X server: Xvfb $DISPLAY, no window manager; $(nproc) processors"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"

# A warm-up pair fills the page cache and the prefix's caches.
measure "$program_title" "$program" >/dev/null
measure "$baseline_title" "$baseline" >/dev/null

: >"$work/program"
: >"$work/baseline"
: >"$work/ratios"
printf '%4s  %12s %12s\n' pair "A map ms" "B map ms"
for pair in $(seq "$pairs"); do
  a=$(measure "$program_title" "$program")
  b=$(measure "$baseline_title" "$baseline")
  echo "$a" >>"$work/program"
  echo "$b" >>"$work/baseline"
  awk -v a="$a" -v b="$b" 'BEGIN { printf "%.4f\n", a / b }' >>"$work/ratios"
  printf '%4d  %12s %12s\n' "$pair" "$a" "$b"
done

report_medians "Exec to main window mapped (ms)" 1.1 "$work/program" "$work/baseline"
# The two starts of a pair run a fraction of a second apart, under much the
# same load from elsewhere: their ratio keeps less of it than the medians do.
awk -v r="$(summary <"$work/ratios")" 'BEGIN {
  split(r, z, " ")
  printf "  ratio within pairs: median %.3f, IQR %.3f-%.3f\n", z[1], z[2], z[3] }'
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
