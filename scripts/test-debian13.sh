#!/usr/bin/env bash
# The Debian 13 tier, run from Debian 12 (or any Debian with mmdebstrap): in a
# Debian 13 (trixie) root made from Debian's archive and kept outside the
# clone (scripts/debian-root.sh; TARSILO_DEBIAN13_ROOT, default
# /var/cache/tarsilo/debian13-root, reused from run to run), on a copy of this
# work tree:
#   - builds the program and every test with Debian 13's GCC and Qt (the
#     package preset with the tests: Debian's build flags, without the
#     developer tools and benchmarks) and runs them with CTest;
#   - builds the source package and the Debian 13 package from it there
#     (scripts/package.sh: dpkg-buildpackage, Debian 13's lintian and
#     hardening-check), into build/debian/trixie/, and runs the package test
#     on it with that tree;
#   - installs it with apt on a plain Debian 13, starts the installed program
#     to its main window and runs the autopkgtest there
#     (scripts/test-install.sh).
# The sanitizer, valgrind, fuzz and desktop tiers run on Debian 12 only.
#
# Usage: scripts/test-debian13.sh [--package]   (--package: no CTest suite)
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "$(id -u)" -ne 0 ]; then
  echo "$(basename "$0"): the Debian roots need root (mmdebstrap, mount, chroot): run it with sudo" >&2
  exit 1
fi

# step <name> <command>...: runs it and notes how long it took.
timings=()
step() {
  local name=$1 start=$SECONDS
  shift
  "$@"
  timings+=("$name $((SECONDS - start)) s")
}

# --- inside the root, on the copy ---------------------------------------------
if [ "${1:-}" = --inside ]; then
  echo "debian13: Debian $(cat /etc/debian_version), $(g++ --version | head -n 1)," \
    "Qt $(dpkg-query -W -f='${Version}' libqt6core6t64), $(cmake --version | head -n 1)"
  # The package preset with the tests added.
  build_suite() {
    cmake --preset package -DBUILD_TESTING=ON >/dev/null
    if ! cmake --build build/package -j2 >build/package-tests.log 2>&1; then
      cat build/package-tests.log
      return 1
    fi
    # What GCC 14 and Qt 6.8 have to say about the code, if anything.
    grep -E 'warning:' build/package-tests.log || echo "debian13: the build gave no warning"
  }
  if [ "${2:-}" = --package-test ]; then
    step "package test" env TARSILO_PACKAGE="$3" TARSILO_PACKAGE_SOURCE="$4" \
      ctest --test-dir build/package -L '^package$' --output-on-failure
  else
    step build build_suite
    step suite ctest --test-dir build/package -LE '^package$' --output-on-failure -j2
  fi
  echo "debian13: inside the root: ${timings[*]/%/;}"
  exit 0
fi

# --- on the host ----------------------------------------------------------------
bash scripts/install-deps.sh release
suite_too=true
[ "${1:-}" = --package ] && suite_too=false
root=${TARSILO_DEBIAN13_ROOT:-/var/cache/tarsilo/debian13-root}
mapfile -t packages < <(bash scripts/install-deps.sh --list build package suite)
step root bash scripts/debian-root.sh ensure trixie "$root" "${packages[@]}"

work=$(mktemp -d "$root/var/tmp/tarsilo.XXXXXX")
trap 'rm -rf --one-file-system "$work"' EXIT
step copy bash scripts/copy-work-tree.sh "$work"
chmod 755 "$work"
inside=${work#"$root"}

environment=()
for name in TARSILO_SOAK_STEPS TARSILO_SOAK_SEED; do
  [ -n "${!name:-}" ] && environment+=("$name=${!name}")
done
if $suite_too; then
  step "suite in the root" bash scripts/debian-root.sh run "$root" \
    env "${environment[@]}" bash "$inside/scripts/test-debian13.sh" --inside
fi

step package bash scripts/package.sh --suite trixie --root "$root"
deb=$(ls build/debian/trixie/tarsilo_*.deb)
echo "debian13: $deb is the package for Debian 13"
if $suite_too; then
  cp "$deb" "$work/"
  step "package test in the root" bash scripts/debian-root.sh run "$root" \
    bash "$inside/scripts/test-debian13.sh" --inside --package-test \
    "$inside/$(basename "$deb")" "$(cat build/debian/trixie/built-in)"
fi
step "install on a plain Debian 13" bash scripts/test-install.sh trixie build/debian/trixie
echo "debian13: ${timings[*]/%/;}"
