#!/usr/bin/env bash
# A Debian root (a directory holding a whole Debian system) made with
# mmdebstrap from Debian's archive, kept outside the clone so that every
# build on this machine reuses it, and commands run in it under chroot.
#
#   scripts/debian-root.sh ensure <suite> <root> <package>...
#       Makes <root> for <suite> (trixie, bookworm, ...) with these packages
#       (and the ru_RU.UTF-8 locale when they include locales), or, when it
#       exists, installs those of them it was never asked for. A new root is
#       built beside <root> and renamed when complete,
#       so an interrupted run leaves no half-made root behind.
#   scripts/debian-root.sh run <root> <command>...
#       Runs <command> as root in <root> with /proc, /sys, /dev and a fresh
#       /tmp, in a mount and process namespace of its own: the mounts and every
#       process started in there end with the command, however it ends.
#
# apt runs with a configuration of its own: mmdebstrap writes the root's
# sources (deb.debian.org, <suite> main) and never reads the host's, and the
# root's apt then reads only the root's /etc/apt.
set -euo pipefail

mirror=${TARSILO_DEBIAN_MIRROR:-http://deb.debian.org/debian}

# mmdebstrap in root mode, mount and chroot need root.
if [ "$(id -u)" -ne 0 ]; then
  exec sudo TARSILO_DEBIAN_MIRROR="$mirror" bash "$0" "$@"
fi

# run_in <root> <command>...
run_in() {
  local root=$1
  shift
  # The mounts are private to the new namespace: they vanish with it.
  unshare --mount --pid --fork --kill-child --propagation private -- \
    /bin/sh -euc '
      root=$1; shift
      mount -t proc proc "$root/proc"
      mount --rbind /sys "$root/sys"
      mount --rbind /dev "$root/dev"
      mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
      cp -L /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
      exec chroot "$root" /usr/bin/env -i \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
        "$@"' sh "$root" "$@"
}

# The packages asked for, one a line, sorted: what the root notes it holds.
package_list() {
  printf '%s\n' "$@" | sort -u
}

ensure() {
  local suite=$1 root=$2
  shift 2
  local stamp=$root/etc/tarsilo-root-packages
  mkdir -p "$(dirname "$root")"
  exec 9>"$root.lock"
  flock 9

  if [ -d "$root" ] && [ -f "$stamp" ]; then
    # Roots are shared by several scripts, each asking for what it needs.
    local lacking
    lacking=$(package_list "$@" | comm -23 - "$stamp")
    [ -n "$lacking" ] || return 0
    echo "debian-root: installing into $root:" $lacking
    run_in "$root" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    # shellcheck disable=SC2086 # one package a word
    run_in "$root" env DEBIAN_FRONTEND=noninteractive \
      apt-get install -y -qq --no-install-recommends $lacking >/dev/null
    package_list $lacking $(cat "$stamp") | tee "$stamp.new" >/dev/null
    mv "$stamp.new" "$stamp"
    return 0
  fi

  if [ -e "$root" ]; then
    echo "debian-root: $root exists but was not made by this script; move it away" >&2
    exit 1
  fi
  local work=$root.new
  # What an interrupted run left; never across into a mounted file system.
  rm -rf --one-file-system "$work"
  echo "debian-root: making a Debian $suite root in $root with mmdebstrap"
  local start=$SECONDS
  # No recommended packages: the root holds what is asked and what that needs.
  # Whatever mmdebstrap mounts in the new root stays in a namespace of its own.
  unshare --mount --propagation private -- mmdebstrap --quiet --mode=root --variant=apt \
    --keyring=/usr/share/keyrings/debian-archive-keyring.gpg \
    --aptopt='APT::Install-Recommends "false"' \
    --include="$(IFS=,; echo "$*")" \
    --aptopt='Acquire::IndexTargets::deb::DEP-11::DefaultEnabled "false"' \
    --customize-hook='if [ -x "$1/usr/sbin/locale-gen" ]; then
        echo "ru_RU.UTF-8 UTF-8" >"$1/etc/locale.gen" && chroot "$1" locale-gen >/dev/null; fi' \
    "$suite" "$work" "deb $mirror $suite main"
  package_list "$@" | tee "$work/etc/tarsilo-root-packages" >/dev/null
  mv "$work" "$root"
  echo "debian-root: $root made in $((SECONDS - start)) s"
}

command=${1:?usage: debian-root.sh ensure <suite> <root> <package>... | run <root> <command>...}
shift
case $command in
ensure) ensure "$@" ;;
run) run_in "$@" ;;
*)
  echo "debian-root.sh: unknown command $command" >&2
  exit 2
  ;;
esac
