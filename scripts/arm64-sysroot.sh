#!/usr/bin/env bash
# The Debian 12 arm64 system root that the arm64 build compiles and links
# against and that qemu-aarch64-static runs its programs in (-L): the target's
# C and C++ libraries, Qt 6 and libjpeg with their headers, the Qt platform
# plugins, the Liberation fonts and the ru_RU.UTF-8 locale. Made with
# mmdebstrap from Debian's archive by only extracting the packages (no
# maintainer script runs: this machine cannot run arm64 programs by itself),
# kept outside the clone and reused by every later run.
#
#   scripts/arm64-sysroot.sh [root]   default $TARSILO_ARM64_SYSROOT or
#                                     /var/cache/tarsilo/debian12-arm64-sysroot
#
# Since nothing is installed, the root has no dpkg database; one is written
# for dpkg-shlibdeps alone (var/lib/tarsilo-dpkg): each package's control
# fields, its symbols and shlibs files, and its file list with the paths as
# they lie on this machine, inside the root, which is what dpkg-shlibdeps
# asks about. The locale and the font cache are made with this machine's
# tools, whose files suit any little-endian 64-bit system of the same glibc
# and fontconfig.
set -euo pipefail
cd "$(dirname "$0")/.."

root=${1:-${TARSILO_ARM64_SYSROOT:-/var/cache/tarsilo/debian12-arm64-sysroot}}
mirror=${TARSILO_DEBIAN_MIRROR:-http://deb.debian.org/debian}
# libmpfr-dev: only for the arm64 build of bench/mpfr_extended (preset
# arm64-bench), which times MPFR against SoftFloat under qemu.
packages=(
  libc6-dev libstdc++-12-dev
  qt6-base-dev libgl-dev libjpeg62-turbo-dev libxcb1-dev libfontconfig-dev
  qt6-qpa-plugins fonts-liberation2 fontconfig-config libmpfr-dev
)
# Bumped when what the script does to a root changes, so that an older root
# is made again.
layout=2

if [ "$(id -u)" -ne 0 ]; then
  exec sudo TARSILO_DEBIAN_MIRROR="$mirror" bash "$0" "$root"
fi

stamp=$root/etc/tarsilo-sysroot
wanted=$(printf '%s\n' "layout $layout" "${packages[@]}" | sort -u)
mkdir -p "$(dirname "$root")"
exec 9>"$root.lock"
flock 9
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$wanted" ]; then
  exit 0
fi
if [ -e "$root" ] && [ ! -f "$stamp" ]; then
  echo "arm64-sysroot: $root exists but was not made by this script; move it away" >&2
  exit 1
fi

work=$root.new
rm -rf --one-file-system "$work"
echo "arm64-sysroot: making a Debian 12 arm64 root in $root with mmdebstrap"
start=$SECONDS
# The downloaded packages stay in the root's apt cache until the database is
# written from them.
unshare --mount --propagation private -- mmdebstrap --quiet --mode=root --variant=extract \
  --architectures=arm64 \
  --keyring=/usr/share/keyrings/debian-archive-keyring.gpg \
  --aptopt='APT::Install-Recommends "false"' \
  --aptopt='Acquire::IndexTargets::deb::DEP-11::DefaultEnabled "false"' \
  --include="$(IFS=,; echo "${packages[*]}")" \
  --skip=cleanup/apt/cache \
  bookworm "$work" "deb $mirror bookworm main"
bash scripts/arm64-sysroot-database.sh "$work" "$root"
rm -f "$work"/var/cache/apt/archives/*.deb

# The ru_RU.UTF-8 locale for the tests that read a comma as the decimal mark.
mkdir -p "$work/usr/lib/locale"
localedef --prefix="$work" -i ru_RU -f UTF-8 ru_RU.UTF-8
fc-cache --sysroot="$work" -s >/dev/null 2>&1 || true

echo "$wanted" >"$work/etc/tarsilo-sysroot"
rm -rf --one-file-system "$root"
mv "$work" "$root"
echo "arm64-sysroot: $root made in $((SECONDS - start)) s ($(du -sh "$root" | cut -f1))"
