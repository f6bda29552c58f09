#!/usr/bin/env bash
# Builds the Windows program, one self-contained Tarsilo10.exe, and what
# ships it: the installer tarsilo-<version>-setup.exe, the Windows Installer
# package tarsilo-<version>-x64.msi and the archive
# tarsilo-<version>-windows.zip, cross-compiled with MinGW-w64 (preset
# windows, into build/windows).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build-libjpeg-windows.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Tarsilo10 windows_installer windows_msi windows_zip
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
cmake -DPROGRAM=build/windows/win32/Tarsilo10.exe -DOBJDUMP=x86_64-w64-mingw32-objdump \
  -DMAX_BYTES=3145728 -P packaging/windows/check_program_file.cmake
echo "program:   build/windows/win32/Tarsilo10.exe"
artefacts=build/windows/packaging/windows
echo "installer: $artefacts/tarsilo-$version-setup.exe"
echo "MSI:       $artefacts/tarsilo-$version-x64.msi"
echo "zip:       $artefacts/tarsilo-$version-windows.zip"
