#!/usr/bin/env bash
# Tests the Windows artefacts in the Wine prefix of $WINEPREFIX, on the X
# display of $DISPLAY (both set by scripts/test-windows.sh). One case a run:
#   nsis-modes    setup.exe /S, /S /CurrentUser and /S /AllUsers, one row each:
#                 the files in that mode's folder, the entry under its root,
#                 the shortcut in its Start menu, the program starting from
#                 there, and Uninstall.exe /S leaving none of it; both
#                 switches at once are refused and install nothing;
#   nsis-upgrade  a 0.9.0 installer made from the same script, with one more
#                 file, then this version over it (one entry, the new version,
#                 that file gone), then this version again (one entry, the
#                 files intact);
#   msi           msiexec /i, the program, msiexec /x; then a 0.9.0 package
#                 with one more file, and this version over it;
#   zip           the archive holds the folder tarsilo-<version> with the
#                 program and its licence; unpacked, the program starts.
# Each prints the artefact's size, where it installed and how long that took.
#
# Usage: packaging/windows/test-install.sh <case> <artefact folder> <version> <main window title prefix>
# The artefact folder is the build's packaging/windows: tarsilo-<version>/
# (the program and LICENSE.txt as shipped), tarsilo.ico and the three artefacts.
set -euo pipefail
cd "$(dirname "$0")/../.."
test_case=$1
artefacts=$2
version=$3
title=$4
: "${WINEPREFIX:?the Wine prefix to install into}" "${DISPLAY:?an X display}"

wine=scripts/wine-run.sh
stage=$(realpath "$artefacts/tarsilo-$version")
setup=$artefacts/tarsilo-$version-setup.exe
msi=$artefacts/tarsilo-$version-x64.msi
zip=$artefacts/tarsilo-$version-windows.zip
old_version=0.9.0
# A file only the 0.9.0 artefacts carry: an upgrade must take it away.
old_extra_file=notes-$old_version.txt
drive_c=$WINEPREFIX/drive_c
wine_user=${USER:-$(id -un)}
user_programs="C:\\users\\$wine_user\\AppData\\Local\\Programs\\Tarsilo"
user_menu="C:\\users\\$wine_user\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs"
common_menu='C:\ProgramData\Microsoft\Windows\Start Menu\Programs'
program_files='C:\Program Files\Tarsilo'
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall'
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
  echo "$test_case: $*" >&2
  exit 1
}
say() { echo "$test_case: $*"; }

# The Unix path of a C:\ path in the prefix.
unix_path() {
  local path=${1#C:\\}
  echo "$drive_c/${path//\\//}"
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

seconds_since() { awk -v a="$1" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f", b - a }'; }

# Every "Apps & features" entry named Tarsilo, in HKCU and HKLM, one a line:
# "<key> <DisplayVersion>".
tarsilo_entries() {
  local root
  for root in HKCU HKLM; do
    "$wine" reg query "$root\\$uninstall_key" /s 2>/dev/null | tr -d '\r' | awk '
      /^HKEY_/ { if (tarsilo) print key, version; key = $0; tarsilo = 0; version = "" }
      $1 == "DisplayName" && $2 == "REG_SZ" && $3 == "Tarsilo" && NF == 3 { tarsilo = 1 }
      $1 == "DisplayVersion" && $2 == "REG_SZ" { version = $3 }
      END { if (tarsilo) print key, version }'
  done
}

# Exactly one entry, of this version.
expect_one_entry() {
  local entries
  entries=$(tarsilo_entries)
  [ "$(printf '%s\n' "$entries" | grep -c .)" -eq 1 ] ||
    fail "expected one Tarsilo entry, found: ${entries:-none}"
  [ "${entries##* }" = "$1" ] || fail "the entry is of version '${entries##* }', not $1"
}

# The value of one entry of a key, or nothing.
reg_value() {
  "$wine" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    awk -v name="$2" '$1 == name { $1 = ""; $2 = ""; sub(/^  */, ""); print }'
}

# The folder holds the program and the licence exactly as built.
expect_shipped_files() {
  local folder file
  folder=$(unix_path "$1")
  for file in Tarsilo10.exe LICENSE.txt; do
    cmp -s "$stage/$file" "$folder/$file" || fail "$1\\$file is missing or not the one built"
  done
}

# The program at this Windows path shows its main window and, closed (WM_CLOSE
# to its windows), ends with status 0.
expect_program_starts() {
  local program status=0
  "$wine" "$1" &
  program=$!
  if ! timeout 60 xdotool search --sync --onlyvisible --name "^$title" >/dev/null; then
    kill "$program" 2>/dev/null || true
    fail "$1 showed no window titled '$title...' within 60 s"
  fi
  "$wine" taskkill /IM Tarsilo10.exe >/dev/null
  wait_until 30 bash -c "! kill -0 $program 2>/dev/null" || {
    kill "$program" 2>/dev/null || true
    fail "$1 did not end within 30 s of the close request"
  }
  wait "$program" || status=$?
  [ "$status" -eq 0 ] || fail "$1 ended with status $status"
  say "$1 showed its window and ended with status 0"
}

no_entries() { [ -z "$(tarsilo_entries)" ]; }
# Nothing of an installation in this folder with this shortcut is left.
nothing_left() { [ ! -e "$(unix_path "$1")" ] && [ ! -e "$(unix_path "$2")" ] && no_entries; }
expect_nothing_left() {
  wait_until 60 nothing_left "$1" "$2" || {
    [ -e "$(unix_path "$1")" ] && ls -la "$(unix_path "$1")" >&2
    [ -e "$(unix_path "$2")" ] && echo "$2 is still there" >&2
    no_entries || echo "entries left: $(tarsilo_entries)" >&2
    fail "the uninstall left something behind"
  }
}

# Runs an installer, fails unless it ends with 0, and prints its size, the
# folder and the time it took.
install_with() {
  local artefact=$1 folder=$2 started=$EPOCHREALTIME status=0
  shift 2
  timeout 120 "$wine" "$@" || status=$?
  [ "$status" -eq 0 ] || fail "'$*' ended with status $status"
  say "$(basename "$artefact"): $(stat -c %s "$artefact") bytes, installed in $folder in $(seconds_since "$started") s"
}

# NSIS silent uninstall: the uninstaller copies itself away and returns at
# once; the removal follows.
nsis_uninstall() {
  timeout 60 "$wine" "$1\\Uninstall.exe" /S || fail "$1\\Uninstall.exe /S failed"
}

# One row a mode: name | switches | folder | registry root | Start menu | start the program?
nsis_modes=(
  "for the current user, the default||$user_programs|HKCU|$user_menu|start"
  "for the current user, /CurrentUser|/CurrentUser|$user_programs|HKCU|$user_menu|"
  "for all users, /AllUsers|/AllUsers|$program_files|HKLM|$common_menu|start"
)

nsis_mode() {
  local name switches folder root menu start key expected value size
  IFS='|' read -r name switches folder root menu start <<<"$1"
  say "== $name"
  # shellcheck disable=SC2086 # the switches are words
  install_with "$setup" "$folder" "$setup" /S $switches
  expect_shipped_files "$folder"
  [ -f "$(unix_path "$folder")/Uninstall.exe" ] || fail "no $folder\\Uninstall.exe"
  [ -f "$(unix_path "$menu")/Tarsilo.lnk" ] || fail "no shortcut in $menu"
  expect_one_entry "$version"
  key="$root\\$uninstall_key\\Tarsilo"
  for expected in \
    "DisplayName=Tarsilo" \
    "DisplayVersion=$version" \
    "Publisher=Tarsilo project" \
    "InstallLocation=$folder" \
    "DisplayIcon=$folder\\Tarsilo10.exe,0" \
    "UninstallString=\"$folder\\Uninstall.exe\"" \
    "QuietUninstallString=\"$folder\\Uninstall.exe\" /S" \
    "NoModify=0x1" \
    "NoRepair=0x1"; do
    value=$(reg_value "$key" "${expected%%=*}")
    [ "$value" = "${expected#*=}" ] || fail "$key: ${expected%%=*} is '$value', not '${expected#*=}'"
  done
  size=$(reg_value "$key" EstimatedSize)
  if ! [[ $size =~ ^0x[0-9a-f]+$ ]] || ((size == 0)); then
    fail "$key: EstimatedSize is '$size'"
  fi
  [ -z "$start" ] || expect_program_starts "$folder\\Tarsilo10.exe"
  nsis_uninstall "$folder"
  expect_nothing_left "$folder" "$menu\\Tarsilo.lnk"
  say "uninstalled: no folder, shortcut or entry left"
}

nsis_modes_case() {
  local row status=0
  for row in "${nsis_modes[@]}"; do
    nsis_mode "$row"
  done
  say "== /AllUsers with /CurrentUser"
  timeout 60 "$wine" "$setup" /S /AllUsers /CurrentUser || status=$?
  [ "$status" -eq 2 ] || fail "both switches at once ended with status $status, not 2"
  if ! nothing_left "$user_programs" "$user_menu\\Tarsilo.lnk" ||
    ! nothing_left "$program_files" "$common_menu\\Tarsilo.lnk"; then
    fail "both switches at once installed something"
  fi
  say "refused with status 2, nothing installed"
}

nsis_upgrade_case() {
  local old_setup=$scratch/tarsilo-$old_version-setup.exe folder=$user_programs
  makensis -V2 -DVERSION=$old_version -DEXTRA_FILE="$old_extra_file" \
    -DPROGRAM="$stage/Tarsilo10.exe" -DLICENCE="$stage/LICENSE.txt" -DOUTFILE="$old_setup" \
    packaging/windows/tarsilo.nsi
  install_with "$old_setup" "$folder" "$old_setup" /S
  expect_one_entry "$old_version"
  [ -f "$(unix_path "$folder")/$old_extra_file" ] || fail "$old_version did not install $old_extra_file"

  install_with "$setup" "$folder" "$setup" /S
  expect_one_entry "$version"
  [ ! -e "$(unix_path "$folder")/$old_extra_file" ] || fail "the upgrade left $old_version's $old_extra_file"
  expect_shipped_files "$folder"
  say "$version over $old_version: one entry, $old_version's files gone"

  install_with "$setup" "$folder" "$setup" /S
  expect_one_entry "$version"
  expect_shipped_files "$folder"
  [ -f "$(unix_path "$folder")/Uninstall.exe" ] || fail "the reinstall left no uninstaller"
  say "$version again: one entry, the files intact"
  nsis_uninstall "$folder"
  expect_nothing_left "$folder" "$user_menu\\Tarsilo.lnk"
}

# Wine's msi gives ProgramMenuFolder the user's Start menu even for a
# per-machine package (ALLUSERS=1); Windows gives the common one.
msi_menu=$user_menu

msi_case() {
  local old_stage=$scratch/old-msi old_msi=$scratch/tarsilo-$old_version-x64.msi
  install_with "$msi" "$program_files" msiexec /i "$msi" /qn
  expect_shipped_files "$program_files"
  [ -f "$(unix_path "$msi_menu")/Tarsilo.lnk" ] || fail "no shortcut in $msi_menu"
  expect_one_entry "$version"
  expect_program_starts "$program_files\\Tarsilo10.exe"
  timeout 120 "$wine" msiexec /x "$msi" /qn || fail "msiexec /x failed"
  expect_nothing_left "$program_files" "$msi_menu\\Tarsilo.lnk"
  say "uninstalled: no folder, shortcut or entry left"

  # The older package: the same source, another version and ProductCode.
  mkdir -p "$old_stage/stage"
  cp "$stage/Tarsilo10.exe" "$stage/LICENSE.txt" "$old_stage/stage/"
  cp "$artefacts/tarsilo.ico" "$old_stage/"
  echo "Tarsilo $old_version" >"$old_stage/stage/$old_extra_file"
  (cd "$old_stage" && wixl -a x64 -D Version=$old_version -D ProductCode="$(cat /proc/sys/kernel/random/uuid)" \
    -D Stage=stage -D ExtraFile="$old_extra_file" -o "$old_msi" "$OLDPWD/packaging/windows/tarsilo.wxs")
  install_with "$old_msi" "$program_files" msiexec /i "$old_msi" /qn
  expect_one_entry "$old_version"
  [ -f "$(unix_path "$program_files")/$old_extra_file" ] || fail "$old_version did not install $old_extra_file"
  install_with "$msi" "$program_files" msiexec /i "$msi" /qn
  expect_one_entry "$version"
  [ ! -e "$(unix_path "$program_files")/$old_extra_file" ] || fail "the upgrade left $old_version's $old_extra_file"
  expect_shipped_files "$program_files"
  say "$version over $old_version: one product, $old_version's files gone"
  timeout 120 "$wine" msiexec /x "$msi" /qn || fail "msiexec /x failed"
  expect_nothing_left "$program_files" "$msi_menu\\Tarsilo.lnk"
}

zip_case() {
  local folder='C:\tarsilo-zip' entries started=$EPOCHREALTIME
  entries=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
  [ "$entries" = "tarsilo-$version/LICENSE.txt tarsilo-$version/Tarsilo10.exe " ] ||
    fail "the archive holds: $entries"
  unzip -q "$zip" -d "$(unix_path "$folder")"
  say "$(basename "$zip"): $(stat -c %s "$zip") bytes, unpacked in $folder in $(seconds_since "$started") s"
  expect_shipped_files "$folder\\tarsilo-$version"
  expect_program_starts "$folder\\tarsilo-$version\\Tarsilo10.exe"
  rm -rf "$(unix_path "$folder")"
}

case $test_case in
nsis-modes) nsis_modes_case ;;
nsis-upgrade) nsis_upgrade_case ;;
msi) msi_case ;;
zip) zip_case ;;
*) fail "no such case; give nsis-modes, nsis-upgrade, msi or zip" ;;
esac
