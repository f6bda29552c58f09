#!/usr/bin/env bash
# Builds the source package and the Debian package from it with
# dpkg-buildpackage, in a root of the Debian release they are for (default:
# this machine's), and checks both with that release's lintian and
# hardening-check (scripts/check-package.sh). The results go to
# build/debian/<suite>/: tarsilo_<version>.dsc and .tar.xz, the .deb, its
# debug symbols, .buildinfo and .changes.
#
# The root (scripts/debian-root.sh, default /var/cache/tarsilo/<suite>-build-root)
# holds the build tools; each build installs the Build-Depends of
# debian/control there and builds a copy of the work tree. The build is
# reproducible: dpkg dates everything at the changelog's latest entry and
# Debian's build flags map the build path away (scripts/test-reproducible.sh
# proves it). By default the compiler results are kept in the root between
# builds (ccache, in a fixed build directory so that they can be reused).
#
# Usage: scripts/package.sh [--suite <suite>] [--root <root>] [--output <directory>]
#          [--place <directory in the root>] [--no-compiler-cache] [--no-check]
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "$(id -u)" -ne 0 ]; then
  echo "$(basename "$0"): the Debian roots need root (mmdebstrap, mount, chroot): run it with sudo" >&2
  exit 1
fi

suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
root= output= place= cache=true check=true
while [ $# -gt 0 ]; do
  case $1 in
  --suite) suite=$2; shift 2 ;;
  --root) root=$2; shift 2 ;;
  --output) output=$2; shift 2 ;;
  --place) place=$2; shift 2 ;;
  --no-compiler-cache) cache=false; shift ;;
  --no-check) check=false; shift ;;
  *) echo "package.sh: unknown argument $1" >&2; exit 2 ;;
  esac
done
root=${root:-/var/cache/tarsilo/$suite-build-root}
output=${output:-build/debian/$suite}
bash scripts/install-deps.sh release
version=$(dpkg-parsechangelog -l debian/changelog -S Version)

# The tools; the Build-Depends come from debian/control at each build.
bash scripts/debian-root.sh ensure "$suite" "$root" \
  build-essential debhelper devscripts lintian ccache dpkg-dev fakeroot locales

exec 7>"$root.package.lock"
flock 7
# The fixed place keeps the compiler cache's keys (paths in the flags) alike.
place=${place:-/var/tmp/tarsilo-package}
work=$root$place
rm -rf --one-file-system "$work"
mkdir -p "$work/tarsilo-$version"
trap 'rm -rf --one-file-system "$work"' EXIT
bash scripts/copy-work-tree.sh "$work/tarsilo-$version"
chmod go+rX "$work"

environment=(TZ="${TZ:-UTC}" LANG="${LANG:-C.UTF-8}" TARSILO_BUILD_UMASK="$(umask)"
  TARSILO_COMPILER_CACHE="$cache" TARSILO_CHECK_PACKAGE="$check")
start=$SECONDS
bash scripts/debian-root.sh run "$root" env "${environment[@]}" \
  bash "$place/tarsilo-$version/scripts/package-inside-root.sh" "$place/tarsilo-$version"

rm -rf "$output"
mkdir -p "$output"
find "$work" -maxdepth 1 -type f -name "tarsilo*_$version*" -exec cp {} "$output/" \;
# Where it was built, as the package's programs might remember it.
echo "$place/tarsilo-$version" >"$output/built-in"
echo "package: built in the Debian $suite root in $((SECONDS - start)) s:"
(cd "$output" && ls -l --time-style=+ tarsilo* | awk '{ print "  " $NF ": " $5 " bytes" }')
