#!/usr/bin/env bash
# Installs a package with apt on a plain Debian system of the release it was
# built for and starts the installed program to its main window
# (scripts/check-installed.sh), then removes it again; then runs the source
# package's autopkgtest there (autopkgtest on the system itself: it installs
# the package and what the test needs, starts the program under Xvfb and
# calculates once) and removes the package again. The system is a root made
# from Debian's archive with nothing but apt, autopkgtest and an X server
# (scripts/debian-root.sh), kept outside the clone and reused:
# /var/cache/tarsilo/<suite>-install-root, or TARSILO_INSTALL_ROOT. On the
# first run apt fetches the libraries the package depends on from the
# archive; they stay for later runs.
#
# Usage: scripts/test-install.sh <suite> <directory of scripts/package.sh's results>
#   e.g. scripts/test-install.sh bookworm build/debian/bookworm
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "$(id -u)" -ne 0 ]; then
  echo "$(basename "$0"): the Debian roots need root (mmdebstrap, mount, chroot): run it with sudo" >&2
  exit 1
fi
suite=${1:?usage: test-install.sh <suite> <package directory>}
results=$(realpath "${2:?usage: test-install.sh <suite> <package directory>}")
deb=$(ls "$results"/tarsilo_*.deb)
dsc=$(ls "$results"/tarsilo_*.dsc)
bash scripts/install-deps.sh release
root=${TARSILO_INSTALL_ROOT:-/var/cache/tarsilo/$suite-install-root}
mapfile -t packages < <(bash scripts/install-deps.sh --list install)
bash scripts/debian-root.sh ensure "$suite" "$root" "${packages[@]}" autopkgtest

work=$(mktemp -d "$root/var/tmp/tarsilo-install.XXXXXX")
trap 'rm -rf --one-file-system "$work"' EXIT
cp "$deb" scripts/check-installed.sh "$work/"
dpkg-source --no-check -x "$dsc" "$work/source" >/dev/null
chmod 755 "$work"
inside=${work#"$root"}
# The archive's package lists, fetched again once a day (in turn with the
# installation checks of other runs).
bash scripts/debian-root.sh run "$root" flock /var/cache/tarsilo-check-installed.lock sh -c \
  'find /var/lib/apt/lists -maxdepth 1 -name "*_Packages*" -mmin -1440 | grep -q . ||
   apt-get update -qq'
bash scripts/debian-root.sh run "$root" bash "$inside/check-installed.sh" "$inside/$(basename "$deb")"
start=$SECONDS
if ! bash scripts/debian-root.sh run "$root" flock /var/cache/tarsilo-check-installed.lock sh -c \
  'autopkgtest --quiet "$1" "$2/" -- null >"$3" 2>&1; status=$?
   apt-get purge -y -qq tarsilo >/dev/null 2>&1; exit $status' sh \
  "$inside/$(basename "$deb")" "$inside/source" "$inside/autopkgtest.log"; then
  cat "$work/autopkgtest.log" >&2
  echo "test-install: the autopkgtest failed on Debian $suite" >&2
  exit 1
fi
grep -E '^calculate|^calculate:' "$work/autopkgtest.log" || true
echo "test-install: autopkgtest passed on Debian $suite in $((SECONDS - start)) s"
