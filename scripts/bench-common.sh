# Shared by the start-up benchmarks (sourced): one start watched until its
# main window is mapped, and the figures of a sample. Needs $watcher (the map
# watcher) and $work (a scratch folder).

# Starts the command once the map watcher listens for a top-level window whose
# title begins with $1, and waits up to $2 seconds for its map. Sets
# map_started and map_seen (wall-clock seconds, as EPOCHREALTIME) and map_pid.
start_until_mapped() {
  local title=$1 seconds=$2
  shift 2
  rm -f "$work/events"
  mkfifo "$work/events"
  "$watcher" "$title" "$seconds" >"$work/events" &
  local watcher_pid=$! ready
  exec 4<"$work/events"
  read -r ready <&4
  [ "$ready" = ready ] || { echo "the map watcher did not start" >&2; return 1; }
  map_started=$EPOCHREALTIME
  "$@" >/dev/null 2>&1 &
  map_pid=$!
  if ! read -r map_seen <&4; then
    echo "$*: no window \"$title\" was mapped" >&2
    kill "$map_pid" 2>/dev/null
    return 1
  fi
  exec 4<&-
  wait "$watcher_pid"
}

# "median q1 q3 min max" of the numbers on standard input.
summary() {
  sort -g | awk '
    { v[NR] = $1 }
    function q(p,   h, l) { h = (NR - 1) * p + 1; l = int(h); return v[l] + (h - l) * (v[l + (l < NR)] - v[l]) }
    END { printf "%.2f %.2f %.2f %.2f %.2f\n", q(0.5), q(0.25), q(0.75), v[1], v[NR] }'
}

# Prints both samples' summaries (files $3 and $4) under the heading $1 and
# the ratio of their medians against the goal $2.
report_medians() {
  local heading=$1 goal=$2 a b
  a=$(summary <"$3")
  b=$(summary <"$4")
  echo "$heading: median, IQR, min-max"
  awk -v a="$a" -v b="$b" -v goal="$goal" 'BEGIN {
    split(a, x, " "); split(b, y, " ")
    printf "  Tarsilo   %10.2f   %.2f-%.2f   %.2f-%.2f\n", x[1], x[2], x[3], x[4], x[5]
    printf "  baseline  %10.2f   %.2f-%.2f   %.2f-%.2f\n", y[1], y[2], y[3], y[4], y[5]
    r = x[1] / y[1]
    printf "  ratio of medians %.3f (goal at most %s: %s)\n", r, goal, r <= goal ? "met" : "missed" }'
}
