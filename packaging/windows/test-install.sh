#!/usr/bin/env bash
# Installs, starts, closes and uninstalls the program with its installer in
# the Wine prefix of $WINEPREFIX, on the X display of $DISPLAY (both set by
# scripts/test-windows.sh):
#   - "setup.exe /S" puts the program, the uninstaller, the Start-menu
#     shortcut and the "Apps & features" entry in place;
#   - the installed program shows its main window and, closed, exits with 0;
#   - "Uninstall.exe /S" leaves no program folder, shortcut or entry behind.
#
# Usage: packaging/windows/test-install.sh <setup.exe> <version> <main window title prefix>
set -euo pipefail
cd "$(dirname "$0")/../.."
setup=$1
version=$2
title=$3
: "${WINEPREFIX:?the Wine prefix to install into}" "${DISPLAY:?an X display}"

wine=scripts/wine-run.sh
install_dir="$WINEPREFIX/drive_c/Program Files/Tarsilo"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tarsilo.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarsilo'

fail() {
  echo "install test: $*" >&2
  exit 1
}

# Polls a condition until it holds or the deadline (seconds) passes.
wait_until() {
  local deadline=$(($(date +%s) + $1))
  shift
  until "$@"; do
    (($(date +%s) < deadline)) || return 1
    sleep 0.1
  done
}

# The value of one entry of the uninstall key, or nothing.
entry() {
  "$wine" reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' |
    awk -v name="$1" '$1 == name { $1 = ""; $2 = ""; sub(/^  */, ""); print }'
}
key_exists() { "$wine" reg query "$key" >/dev/null 2>&1; }
all_gone() { [ ! -e "$install_dir" ] && [ ! -e "$shortcut" ] && ! key_exists; }

started=$(date +%s)
status=0
timeout 120 "$wine" "$setup" /S || status=$?
# NSIS: 1 cancelled, 2 aborted (also when the installer's own checksum fails).
[ "$status" -eq 0 ] || fail "the silent install ended with status $status"
[ -f "$install_dir/Tarsilo10.exe" ] || fail "no $install_dir/Tarsilo10.exe"
[ -f "$install_dir/Uninstall.exe" ] || fail "no uninstaller"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
expected_entries=(
  "DisplayName=Tarsilo"
  "DisplayVersion=$version"
  "Publisher=Tarsilo project"
  'DisplayIcon=C:\Program Files\Tarsilo\Tarsilo10.exe,0'
  'UninstallString="C:\Program Files\Tarsilo\Uninstall.exe"'
  'QuietUninstallString="C:\Program Files\Tarsilo\Uninstall.exe" /S'
  "NoModify=0x1"
  "NoRepair=0x1"
)
for expected in "${expected_entries[@]}"; do
  name=${expected%%=*}
  value=$(entry "$name")
  [ "$value" = "${expected#*=}" ] || fail "uninstall entry $name is '$value', not '${expected#*=}'"
done
size=$(entry EstimatedSize)
[[ $size =~ ^0x[0-9a-f]+$ ]] && (($(printf '%d' "$size") > 0)) ||
  fail "uninstall entry EstimatedSize is '$size'"
echo "install test: installed in $(($(date +%s) - started)) s, entry $(entry DisplayName) $(entry DisplayVersion), $((size)) kB"

# The installed program: its main window appears, and a close request
# (WM_CLOSE to its windows) ends it with status 0.
"$wine" 'C:\Program Files\Tarsilo\Tarsilo10.exe' &
program=$!
if ! timeout 60 xdotool search --sync --onlyvisible --name "^$title" >/dev/null; then
  kill "$program" 2>/dev/null || true
  fail "no window titled '$title...' within 60 s"
fi
"$wine" taskkill /IM Tarsilo10.exe >/dev/null
wait_until 30 bash -c "! kill -0 $program 2>/dev/null" || {
  kill "$program" 2>/dev/null || true
  fail "the program did not end within 30 s of the close request"
}
status=0
wait "$program" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "install test: the installed program showed its window and ended with status 0"

# The uninstaller copies itself away and returns at once; the removal follows.
timeout 60 "$wine" 'C:\Program Files\Tarsilo\Uninstall.exe' /S || fail "the silent uninstall failed"
wait_until 60 all_gone || {
  [ -e "$install_dir" ] && ls -la "$install_dir" >&2
  [ -e "$shortcut" ] && echo "the shortcut is still there" >&2
  key_exists && echo "the uninstall entry is still there" >&2
  fail "the uninstall left something behind"
}
echo "install test: uninstalled, no program folder, shortcut or entry left"
