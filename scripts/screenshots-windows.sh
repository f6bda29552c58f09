#!/usr/bin/env bash
# Screenshots of the Windows build under Wine, into docs/: the main window
# after Расчет with the default inputs (screenshot-windows-main.png) and the
# reference window (screenshot-windows-info.png), at 96 pixels per inch and,
# as the @2x files, at 192. Each resolution runs in a Wine prefix made fresh
# for it, on an Xvfb display of its own, with unmanaged windows: Wine draws
# their frames itself, as Windows does. The keys go in as a user types them
# (Enter on the focused "Расчет", then Tab Tab Enter for "Инфо"); each
# capture waits until the window has stopped changing.
#
#   bash scripts/screenshots-windows.sh
#
# It uses the Windows build in build/windows (scripts/build-windows.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/build-libjpeg-windows.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Tarsilo10 >/dev/null
program=build/windows/win32/Tarsilo10.exe
main_title="Tarsilo V1.0"
info_title="Справочная информация"

work=$(mktemp -d)
xvfb_pid=
program_pid=
stop_session() {
  if [ -n "$program_pid" ]; then
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=
  fi
  if [ -d "$work/prefix" ]; then
    WINEPREFIX="$work/prefix" timeout 30 /usr/lib/wine/wineserver64 -k 2>/dev/null || true
    WINEPREFIX="$work/prefix" timeout 30 /usr/lib/wine/wineserver64 -w 2>/dev/null || true
    rm -rf "$work/prefix"
  fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
  fi
}
trap 'stop_session; rm -rf "$work"' EXIT

# Polls a command until it succeeds or `seconds` pass.
wait_until() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# "width height x y" of an X window, its frame included (Wine draws it).
geometry() {
  xwininfo -id "$1" | awk '
    /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /Width:/ { w = $NF } /Height:/ { h = $NF }
    END { print w, h, x, y }'
}

# The pixels of an X window, as a PNG on standard output.
window_pixels() {
  local w h x y
  read -r w h x y < <(geometry "$1")
  import -window root -crop "${w}x${h}+${x}+${y}" +repage png:-
}

# Succeeds once two looks at the window, a tenth of a second apart, show the
# same pixels, and they differ from the file `$2` when one is given.
settled() {
  local window=$1 before=${2:-}
  window_pixels "$window" >"$work/look1.png"
  sleep 0.1
  window_pixels "$window" >"$work/look2.png"
  cmp -s "$work/look1.png" "$work/look2.png" || return 1
  [ -z "$before" ] || ! cmp -s "$work/look1.png" "$before"
}

visible_window() {
  xdotool search --onlyvisible --name "^$1" 2>/dev/null | head -n1
}
has_window() { [ -n "$(visible_window "$1")" ]; }

# One session: a fresh prefix at `dpi`, the program, Расчет, Инфо.
shoot() {
  local dpi=$1 suffix=$2 screen=$3
  Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$work/display" 2>/dev/null &
  xvfb_pid=$!
  wait_until 10 test -s "$work/display" || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(head -n1 "$work/display")"
  rm -f "$work/display"

  export WINEPREFIX="$work/prefix" WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  timeout 120 scripts/wine-run.sh wineboot -i >/dev/null 2>&1 ||
    { echo "wineboot -i did not make the prefix within 120 s" >&2; exit 1; }
  # Wine takes the resolution from the user's desktop settings, or where
  # those have none from the hardware profile (either alone does it in Wine
  # 8); both are set alike.
  local reg=(timeout 60 scripts/wine-run.sh reg add)
  "${reg[@]}" 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  "${reg[@]}" 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
    >/dev/null 2>&1
  "${reg[@]}" 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
    /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  # Wine's own fonts, which Debian's Wine does not find by itself: the
  # caption buttons' glyphs (Marlett) and the captions' font (Tahoma).
  ln -s /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"

  scripts/wine-run.sh "$program" >/dev/null 2>&1 &
  program_pid=$!
  local main info
  wait_until 60 has_window "$main_title" ||
    { echo "no window \"$main_title\" at $dpi ppi" >&2; exit 1; }
  main=$(visible_window "$main_title")
  wait_until 20 settled "$main" || { echo "the main window kept changing" >&2; exit 1; }
  cp "$work/look1.png" "$work/before.png"
  # The focus is on Расчет when the window opens.
  xdotool key Return
  wait_until 20 settled "$main" "$work/before.png" ||
    { echo "Расчет changed nothing at $dpi ppi" >&2; exit 1; }
  cp "$work/look1.png" "docs/screenshot-windows-main$suffix.png"

  xdotool key Tab Tab Return
  wait_until 20 has_window "$info_title" ||
    { echo "Инфо opened no window at $dpi ppi" >&2; exit 1; }
  info=$(visible_window "$info_title")
  wait_until 20 settled "$info" || { echo "the reference window kept changing" >&2; exit 1; }
  cp "$work/look1.png" "docs/screenshot-windows-info$suffix.png"
  echo "docs/screenshot-windows-main$suffix.png, docs/screenshot-windows-info$suffix.png:" \
    "$dpi ppi"
  stop_session
}

shoot 96 "" 1600x1000
shoot 192 "@2x" 2560x1600
