#!/usr/bin/env bash
# For a throwaway Debian system, such as a root of scripts/debian-root.sh, as
# root: installs the package with apt (which fetches what it depends on from
# the release's archive), starts the installed program by its name on an X
# server of its own (Xvfb, no window manager) and waits until its main window
# is mapped; then purges it, checking that none of its files stays, and
# upgrades to it from an older release (the same package relabelled 0.9.0,
# with one more file), checking that one tarsilo of the new version remains
# and the older file went; then removes it again. Fails if apt cannot install
# it, if the program ends, or if its window does not appear within 30 seconds.
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
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
program=

# apt purge leaves none of the package's files behind.
mapfile -t files < <(dpkg-query -L tarsilo | while IFS= read -r f; do [ -f "$f" ] && echo "$f"; done)
apt-get purge -y -qq tarsilo >/dev/null
for f in "${files[@]}"; do
  [ ! -e "$f" ] || { echo "check-installed: apt purge left $f" >&2; exit 1; }
done
echo "check-installed: apt purge removed all ${#files[@]} files of the package"

# An upgrade: the package relabelled as an older release that carried one more
# file, installed first; the real package over it leaves one tarsilo, of the
# new version, without the old file.
old=$work/old
dpkg-deb -R "$deb" "$old"
sed -i 's/^Version: .*/Version: 0.9.0/' "$old/DEBIAN/control"
old_file=usr/share/doc/tarsilo/NEWS.old
echo "An older release's file." >"$old/$old_file"
(cd "$old" && md5sum "$old_file" >>DEBIAN/md5sums)
dpkg-deb --root-owner-group -b "$old" "$work/tarsilo_0.9.0.deb" >/dev/null
installed_version() { dpkg-query -W -f='${Version}' tarsilo 2>/dev/null; }
apt-get install -y -qq --no-install-recommends "$work/tarsilo_0.9.0.deb" >/dev/null 2>&1
[ "$(installed_version)" = 0.9.0 ] && [ -f "/$old_file" ] ||
  { echo "check-installed: the older release did not install" >&2; exit 1; }
apt-get install -y -qq --no-install-recommends "$deb" >/dev/null 2>&1
version=$(dpkg-deb -f "$deb" Version)
[ "$(installed_version)" = "$version" ] ||
  { echo "check-installed: after the upgrade tarsilo is $(installed_version), not $version" >&2; exit 1; }
[ ! -e "/$old_file" ] || { echo "check-installed: the upgrade left the older release's /$old_file" >&2; exit 1; }
[ "$(dpkg-query -W -f='${Package}\n' 'tarsilo*' | grep -c '^tarsilo$')" = 1 ] ||
  { echo "check-installed: more than one tarsilo after the upgrade" >&2; exit 1; }
echo "check-installed: upgraded from 0.9.0 to $version: one tarsilo, the older release's file gone"
