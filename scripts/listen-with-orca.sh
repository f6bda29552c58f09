#!/usr/bin/env bash
# Listens to the program as a blind user would: Orca, the GNOME screen reader,
# reads the program on an X server of its own (openbox, no sound: what Orca
# says is taken from its debug log), while keys go in as a user would press
# them. Prints every utterance, in order.
#
# Usage: scripts/listen-with-orca.sh [Tarsilo10, default build/test/qt/app/Tarsilo10]
#
# The keys: Tab from "Расчет" through the buttons into the first fields, Enter
# (Calculate), Tab to "Инфо" and Enter, then Orca's flat review (the keypad
# with Num Lock off) line by line up through the reference window, with
# Orca+KP_5 (Insert held) on the pictures, which speaks an object whole,
# description included.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/test/qt/app/Tarsilo10}")
bash scripts/install-deps.sh screen-reader desktop

work=$(mktemp -d)
cleanup() {
  kill $(jobs -p) 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

export HOME=$work/home XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# Orca speaks the user's language; the program keeps the point as decimal mark.
export LANG=ru_RU.UTF-8 LC_NUMERIC=C.UTF-8
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
log=$work/orca.log

spoken() { grep -c 'SPEECH OUTPUT' "$log" 2>/dev/null || true; }
# Waits until Orca has said something new and then nothing more for half a
# second; at most 10 seconds.
settle() {
  local before=$1 deadline=$((SECONDS + 10)) last quiet=0
  until (($(spoken) > before)) || ((SECONDS >= deadline)); do sleep 0.05; done
  last=$(spoken)
  while ((quiet < 10)) && ((SECONDS < deadline)); do
    sleep 0.05
    if (($(spoken) == last)); then quiet=$((quiet + 1)); else last=$(spoken) quiet=0; fi
  done
}
keys() {
  local before
  before=$(spoken)
  "$@"
  settle "$before"
}

session() {
  trap 'kill $(jobs -p) 2>/dev/null' EXIT
  trap 'exit 1' TERM
  Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
  until [ -s "$work/display" ]; do sleep 0.05; done
  export DISPLAY=":$(head -n1 "$work/display")"
  openbox >/dev/null 2>&1 &
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  orca --debug-file "$log" >/dev/null 2>&1 &
  settle 0
  local before
  before=$(spoken)
  "$program" >/dev/null 2>&1 &
  settle "$before"
  for _ in 1 2 3 4 5 6 7; do keys xdotool key Tab; done
  keys xdotool key Return
  for _ in 1 2 3 4 5; do keys xdotool key shift+Tab; done
  keys xdotool key Return
  for _ in 1 2 3 4 5 6 7; do keys xdotool key KP_Home; done
  keys xdotool keydown Insert key KP_Begin keyup Insert
  for _ in 1 2 3; do
    keys xdotool key KP_Home
    keys xdotool keydown Insert key KP_Begin keyup Insert
  done
}
export -f session settle spoken keys
export work log program
timeout 240 dbus-run-session -- bash -c session 2>/dev/null </dev/null >/dev/null || true
# An utterance is a SPEECH OUTPUT line of the log and the lines that continue
# its quoted text.
/usr/bin/python3 - "$log" <<'PYTHON'
import re, sys
text = open(sys.argv[1], encoding="utf-8", errors="replace").read()
for said in re.findall(r" - SPEECH OUTPUT: '(.*?)'\s*\[?\{'established", text, re.S):
    print(re.sub(r"\n {18}", "\n  ", said))
PYTHON
