#!/usr/bin/env bash
# The Debian 13 tier, run from Debian 12 (or any Debian with mmdebstrap): in a
# Debian 13 (trixie) root made from Debian's archive and kept outside the
# clone (scripts/debian-root.sh; TARSILO_DEBIAN13_ROOT, default
# /var/cache/tarsilo/debian13-root, reused from run to run), on a copy of this
# work tree:
#   - builds the program and every test with Debian 13's GCC and Qt (the
#     package preset with the tests: Debian's build flags, without the
#     developer tools and benchmarks) and runs them with CTest;
#   - builds the Debian 13 package from that tree with scripts/package.sh and
#     checks it with Debian 13's lintian and hardening-check
#     (scripts/check-package.sh);
#   - installs it with apt and starts the installed program to its main
#     window on an X server of its own (scripts/check-installed.sh), there
#     and on a plain Debian 13 (scripts/test-install.sh).
# The package is copied to build/debian13/. The sanitizer, valgrind, fuzz and
# desktop tiers run on Debian 12 only.
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
  suite=true
  [ "${2:-}" = --package ] && suite=false
  echo "debian13: Debian $(cat /etc/debian_version), $(g++ --version | head -n 1)," \
    "Qt $(dpkg-query -W -f='${Version}' libqt6core6t64), $(cmake --version | head -n 1)"
  # One tree for the suite and the package: the package preset with the
  # tests added, so the package test checks the package's own build, and
  # scripts/package.sh then drops the tests and packs what is already built.
  build_suite() {
    cmake --preset package -DBUILD_TESTING=ON >/dev/null
    if ! cmake --build build/package -j2 >build/package-tests.log 2>&1; then
      cat build/package-tests.log
      return 1
    fi
    # The resources were compiled with this SOURCE_DATE_EPOCH (scripts/package.sh).
    echo "$SOURCE_DATE_EPOCH" >build/package/source-date-epoch
    # What GCC 14 and Qt 6.8 have to say about the code, if anything.
    grep -E 'warning:' build/package-tests.log || echo "debian13: the build gave no warning"
  }
  if $suite; then
    step build build_suite
    step suite ctest --test-dir build/package --output-on-failure -j2
  fi
  step package bash scripts/package.sh
  deb=$(ls build/package/tarsilo_*.deb)
  step "lintian and hardening-check" bash scripts/check-package.sh "$deb"
  step "apt install and start" bash scripts/check-installed.sh "$deb"
  echo "debian13: inside the root: ${timings[*]/%/;}"
  exit 0
fi

# --- on the host ----------------------------------------------------------------
bash scripts/install-deps.sh release
root=${TARSILO_DEBIAN13_ROOT:-/var/cache/tarsilo/debian13-root}
mapfile -t packages < <(bash scripts/install-deps.sh --list build package suite)
step root bash scripts/debian-root.sh ensure trixie "$root" "${packages[@]}"

work=$(mktemp -d "$root/var/tmp/tarsilo.XXXXXX")
trap 'rm -rf --one-file-system "$work"' EXIT
# The work tree as it is, without build trees or anything git ignores.
copy_source() {
  git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
    tar --null -T - -cf - | tar -xf - -C "$work"
}
step copy copy_source
chmod 755 "$work"

# The copy has no git history: the package takes its date from here.
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
environment=(SOURCE_DATE_EPOCH="$epoch")
for name in TARSILO_SOAK_STEPS TARSILO_SOAK_SEED; do
  [ -n "${!name:-}" ] && environment+=("$name=${!name}")
done
step "in the root" bash scripts/debian-root.sh run "$root" \
  env "${environment[@]}" bash "${work#"$root"}/scripts/test-debian13.sh" --inside "$@"

mkdir -p build/debian13
cp "$work"/build/package/tarsilo_*.deb build/debian13/
echo "debian13: $(ls build/debian13/tarsilo_*.deb) is the package for Debian 13"
step "install on a plain Debian 13" bash scripts/test-install.sh trixie build/debian13/tarsilo_*.deb
echo "debian13: ${timings[*]/%/;}"
