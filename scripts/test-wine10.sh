#!/usr/bin/env bash
# The Windows build's window tests under Debian 13's Wine (10), which
# implements more of the accessibility interfaces than Debian 12's (8): in a
# Debian 13 root with Wine and Xvfb, made like the other roots and kept at
# /var/cache/tarsilo/trixie-wine-root (or TARSILO_WINE10_ROOT), on an X server
# and in a Wine prefix of their own. The tests are the ones scripts/test-windows.sh
# built; they are self-contained executables.
#
# Usage: scripts/test-wine10.sh [test...]   (default: the accessibility and
#                                            main window tests)
set -euo pipefail
cd "$(dirname "$0")/.."
root=${TARSILO_WINE10_ROOT:-/var/cache/tarsilo/trixie-wine-root}
tests=("$@")
[ ${#tests[@]} -gt 0 ] || tests=(test_win32_accessibility test_win32_main_window)

bash scripts/debian-root.sh ensure trixie "$root" wine64 xvfb xauth fonts-wine
place=$root/opt/tarsilo-tests
rm -rf "$place"
mkdir -p "$place"
for test in "${tests[@]}"; do
  cp "build/windows/tests/win32/$test.exe" "$place/"
done
trap 'rm -rf "$place"' EXIT

started=$(date +%s)
bash scripts/debian-root.sh run "$root" /bin/bash -euc '
  export WINEPREFIX=/tmp/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  Xvfb :7 -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
  export DISPLAY=:7
  timeout 120 /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
  timeout 60 /usr/lib/wine/wine64 reg add "HKCU\Software\Wine\X11 Driver" /v Managed /d N /f \
    >/dev/null 2>&1
  ln -s /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  echo "Wine $(/usr/lib/wine/wine64 --version)"
  status=0
  for test in /opt/tarsilo-tests/*.exe; do
    echo "== $(basename "$test")"
    timeout 300 /usr/lib/wine/wine64 "$test" || status=1
  done
  /usr/lib/wine/wineserver64 -k 2>/dev/null || true
  exit $status
'
echo "Wine 10 tests in $(($(date +%s) - started)) s"
