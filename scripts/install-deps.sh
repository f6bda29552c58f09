#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need, on
# Debian 12 or Debian 13. Safe to run again: it only installs what is missing.
#
#   scripts/install-deps.sh [group...]         install these groups (default: all)
#   scripts/install-deps.sh --list [group...]  print their package names, one a line
#
# Groups: build (compiler, CMake, Qt, libjpeg, fontconfig), package (what the package
# test and the arm64 package's CPack run; the Debian packages themselves are built in
# roots of their own), install (what scripts/check-installed.sh runs), suite (what the CTest tests run besides the build),
# desktop (the desktop tier), analysis (sanitizers, fuzzing, valgrind), tools
# (the developer tools), release (the Debian roots the packages are built and
# installed in, the Debian 13 tier and the reproducibility test: mmdebstrap,
# diffoscope, git), windows (the MinGW-w64 cross build, the
# source of libjpeg, the installer and the Wine tier); screen-reader (Orca, for
# scripts/listen-with-orca.sh, installed only when named); bench (MPFR, for the
# comparison of the software extended type's two backends in bench/mpfr_extended,
# and Google Benchmark for bench/bench_calc; installed only when named: no tier
# runs them).
set -euo pipefail

# The clang runtime (sanitizers, libFuzzer) is named after clang's version.
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
case $codename in
trixie) llvm=19 ;;
*) llvm=14 ;;
esac

group_packages() {
  case $1 in
  build)
    echo g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins \
      libgl-dev libjpeg62-turbo-dev libxcb1-dev libfontconfig-dev
    ;;
  # dpkg-shlibdeps, file and objcopy for cpack; hardening-check (devscripts),
  # lintian, and what the installation check needs.
  package) echo dpkg-dev file binutils devscripts lintian "$(group_packages install)" ;;
  install) echo xvfb xauth x11-utils ;;
  suite)
    echo ccache doctest-dev fonts-liberation2 fontconfig locales desktop-file-utils appstream dpkg-dev file \
      lintian man-db groff
    ;;
  desktop)
    echo xvfb xauth imagemagick xdotool wmctrl x11-utils x11-xserver-utils openbox \
      at-spi2-core python3-pyatspi dbus-x11 weston qt6-wayland \
      mutter kwin-x11 kwin-style-breeze xfwm4 kwin-wayland xwayland
    ;;
  analysis) echo clang "libclang-rt-$llvm-dev" valgrind ;;
  tools) echo python3 python3-mpmath clang-format ;;
  windows)
    echo g++-mingw-w64-x86-64 nasm dpkg-dev wine wine64 fonts-wine nsis doctest-dev python3 \
      python3-mpmath xvfb xauth x11-utils xdotool imagemagick wixl unzip
    ;;
  release) echo mmdebstrap debian-archive-keyring diffoscope-minimal git dpkg-dev ;;
  # Only for scripts/listen-with-orca.sh; not among the default groups.
  screen-reader) echo orca speech-dispatcher xdotool openbox at-spi2-core dbus-x11 ;;
  # Only for the benchmarks; not among the default groups.
  bench) echo libmpfr-dev libbenchmark-dev ;;
  # The arm64 cross build, its system root and qemu-user to run it.
  arm64) echo g++-aarch64-linux-gnu qemu-user-static mmdebstrap debian-archive-keyring locales fontconfig \
    dpkg-dev xvfb xdotool ;;
  *)
    echo "install-deps.sh: unknown group $1" >&2
    exit 2
    ;;
  esac
}

list=false
if [ "${1:-}" = --list ]; then
  list=true
  shift
fi
groups=("$@")
[ ${#groups[@]} -gt 0 ] || groups=(build package install suite desktop analysis tools release windows arm64)

packages=()
for group in "${groups[@]}"; do
  read -ra names <<<"$(group_packages "$group")"
  packages+=("${names[@]}")
done
mapfile -t packages < <(printf '%s\n' "${packages[@]}" | sort -u)

if $list; then
  printf '%s\n' "${packages[@]}"
  exit 0
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update -qq
  as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The locale tests need a real locale whose decimal separator is a comma.
if printf '%s\n' "${packages[@]}" | grep -qx locales &&
  ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  as_root sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi
