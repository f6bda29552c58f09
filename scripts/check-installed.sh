#!/usr/bin/env bash
# For a throwaway Debian system, such as a root of scripts/debian-root.sh, as
# root: installs the package with apt (which fetches what it depends on from
# the release's archive), starts the installed program by its name on an X
# server of its own (Xvfb, no window manager) and waits until its main window
# is mapped, then removes the package again. Fails if apt cannot install it,
# if the program ends, or if its window does not appear within 30 seconds.
#
# Usage: check-installed.sh <package.deb>
set -euo pipefail
deb=$(realpath "${1:?usage: check-installed.sh <package.deb>}")
title='Tarsilo V1.0'
export DEBIAN_FRONTEND=noninteractive LANG=C.UTF-8

# Runs that share the system take their turns: one installs, checks and
# removes the package before the next starts.
exec 8>/var/cache/tarsilo-check-installed.lock
flock 8

work=$(mktemp -d)
xvfb=
program=
finish() {
  set +e
  for pid in $program $xvfb; do
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  apt-get purge -y -qq tarsilo >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap finish EXIT

start=$SECONDS
if ! apt-get install -y -q -o DPkg::Lock::Timeout=300 --no-install-recommends "$deb" >"$work/apt.log" 2>&1; then
  cat "$work/apt.log" >&2
  echo "check-installed: apt could not install $(basename "$deb")" >&2
  exit 1
fi
echo "check-installed: apt installed $(dpkg-query -W -f='${Package} ${Version}' tarsilo)" \
  "on Debian $(cat /etc/debian_version) in $((SECONDS - start)) s" \
  "($(grep -c '^Setting up' "$work/apt.log") packages set up)"

# The X server takes the first free display and says which.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; echo "check-installed: Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(cat "$work/display")"
export DISPLAY

command -v Tarsilo10 >/dev/null || { echo "check-installed: Tarsilo10 is not on PATH" >&2; exit 1; }
start=$SECONDS
Tarsilo10 >"$work/program.log" 2>&1 &
program=$!
window=
while [ $((SECONDS - start)) -lt 30 ]; do
  if ! kill -0 "$program" 2>/dev/null; then
    wait "$program" && status=0 || status=$?
    program=
    cat "$work/program.log" >&2
    echo "check-installed: the program ended with status $status before its window appeared" >&2
    exit 1
  fi
  window=$(xwininfo -root -tree | grep -F "\"$title" | awk '{print $1}' | head -n 1 || true)
  if [ -n "$window" ] && xwininfo -id "$window" | grep -q 'Map State: IsViewable'; then
    break
  fi
  window=
  sleep 0.2
done
if [ -z "$window" ]; then
  cat "$work/program.log" >&2
  echo "check-installed: no main window titled \"$title...\" within 30 s" >&2
  exit 1
fi
echo "check-installed: $(command -v Tarsilo10) mapped its main window" \
  "\"$(xwininfo -id "$window" | sed -n 's/^xwininfo: Window id: [^ ]* "\(.*\)"$/\1/p')\"" \
  "($(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'))"
