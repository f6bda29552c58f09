#!/usr/bin/env bash
# The Wine tier: builds the Windows program, its tests and its installer with
# MinGW-w64 (preset windows, into build/windows) and runs them under Wine on
# an Xvfb display of its own, in a Wine prefix made fresh for this run:
#   1. every test of the Windows build (ctest --preset windows);
#   2. the texts of the main window's commands, the same random cases in the
#      Linux and the Windows build, compared byte for byte;
#   3. the core's exponential, square root and model values of both builds
#      against mpmath;
#   4. the Windows artefacts (packaging/windows/test-install.sh): the NSIS
#      installer per user and for all users, its upgrade and reinstall, the
#      MSI package with its upgrade, and the zip archive.
# The prefix and the X server go when the tier ends, however it ends.
set -euo pipefail
cd "$(dirname "$0")/.."
tier_started=$(date +%s)
export PYTHONDONTWRITEBYTECODE=1
python=/usr/bin/python3

bash scripts/install-deps.sh
bash scripts/build-libjpeg-windows.sh
cmake --preset windows >/dev/null
cmake --build --preset windows
# The Linux build of the programs the Windows build is compared with.
cmake --preset test >/dev/null
cmake --build build/test --target calc_texts core_values
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
built=$(date +%s)

source scripts/wine-session.sh
start_wine_session 1600x1000
prefix_started=$EPOCHREALTIME
timeout 120 scripts/wine-run.sh wineboot -i >/dev/null 2>&1 ||
  { echo "wineboot -i did not make the prefix within 120 s" >&2; exit 1; }
# Unmanaged windows: Wine draws their frames itself, as Windows does, instead
# of waiting for a window manager (two seconds for every window it hides on
# this bare X server). Wine reads the setting when a program starts.
timeout 60 scripts/wine-run.sh reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
  >/dev/null 2>&1 || { echo "could not make the windows unmanaged" >&2; exit 1; }
# Debian's Wine does not look for its own fonts (fonts-wine, in
# /usr/share/wine/fonts) where the package puts them; linked into the
# prefix's Fonts folder they give the frames their caption buttons (Marlett)
# and the message boxes their font (Tahoma), as in any Wine.
ln -s /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
echo "Wine prefix made in $(awk -v a="$prefix_started" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f", b - a }') s, display $DISPLAY"

# Each check runs whatever the one before it found; the tier fails at the end
# if any of them failed.
failed=()
check() {
  local name=$1 started=$SECONDS
  shift
  echo
  echo "== $name"
  "$@" || failed+=("$name")
  echo "($((SECONDS - started)) s)"
}

check "tests of the Windows build" ctest --preset windows
check "texts of the commands: Linux build against Windows build" \
  "$python" tests/cross/compare_texts.py build/test/tests/cross/calc_texts -- \
  scripts/wine-run.sh build/windows/tests/cross/calc_texts.exe
check "the core's values against mpmath, in both builds" \
  "$python" tests/cross/check_core_values.py build/test/tests/cross/core_values -- \
  scripts/wine-run.sh build/windows/tests/cross/core_values.exe
artefact_checks=(
  "nsis-modes|installer: per user, /CurrentUser, /AllUsers"
  "nsis-upgrade|installer: upgrade from an older version, reinstall"
  "msi|MSI package: install, uninstall, upgrade"
  "zip|zip archive"
)
for row in "${artefact_checks[@]}"; do
  check "${row#*|}" bash packaging/windows/test-install.sh "${row%%|*}" \
    build/windows/packaging/windows "$version" "Tarsilo V1.0"
done

echo
echo "Wine tier: build $((built - tier_started)) s, checks $(($(date +%s) - built)) s"
if [ ${#failed[@]} -gt 0 ]; then
  printf 'failed: %s\n' "${failed[@]}" >&2
  exit 1
fi
echo "Wine tier passed"
