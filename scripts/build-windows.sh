#!/usr/bin/env bash
# Builds the Windows program, one self-contained Tarsilo10.exe, and its
# installer tarsilo-<version>-setup.exe, cross-compiled with MinGW-w64
# (preset windows, into build/windows).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build-libjpeg-windows.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Tarsilo10 windows_installer
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
cmake -DPROGRAM=build/windows/win32/Tarsilo10.exe -DOBJDUMP=x86_64-w64-mingw32-objdump \
  -DMAX_BYTES=3145728 -P packaging/windows/check_program_file.cmake
echo "program:   build/windows/win32/Tarsilo10.exe"
echo "installer: build/windows/packaging/windows/tarsilo-$version-setup.exe"
