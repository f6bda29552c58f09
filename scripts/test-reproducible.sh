#!/usr/bin/env bash
# Builds the Debian package twice from two clones of the same commit (HEAD),
# one after the other, in directories of different names and depths, checked
# out under different umasks, time zones and locales, and compares the two
# .deb files byte for byte. When they differ, diffoscope shows where, and the
# test fails.
#
# Usage: scripts/test-reproducible.sh [commit, default HEAD]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh build package release

commit=$(git rev-parse --verify "${1:-HEAD}^{commit}")
if [ "${1:-HEAD}" = HEAD ] && [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "reproducible: note: the work tree has uncommitted changes; this builds $commit as committed"
fi

first=$(mktemp -d /tmp/tarsilo-reproducible.XXXXXX)
second=$(mktemp -d /var/tmp/tarsilo-reproducible-second-build.XXXXXX)
trap 'rm -rf "$first" "$second"' EXIT

# build <directory> <umask> <time zone> <locale>: a clone of the commit there,
# and its package.
build() {
  local dir=$1 mask=$2 zone=$3 language=$4
  local start=$SECONDS
  (
    umask "$mask"
    git clone --quiet --no-checkout "$PWD" "$dir"
    git -C "$dir" checkout --quiet --detach "$commit"
    cd "$dir"
    unset SOURCE_DATE_EPOCH
    TZ=$zone LANG=$language LC_ALL='' bash scripts/package.sh >"$dir.log" 2>&1
  ) || {
    echo "reproducible: the build in $dir failed:" >&2
    tail -30 "$dir.log" >&2
    exit 1
  }
  echo "reproducible: built in $dir in $((SECONDS - start)) s (umask $mask, TZ=$zone, LANG=$language)"
}

build "$first/tarsilo" 022 UTC C.UTF-8
build "$second/a/much/deeper/clone/of/tarsilo" 002 Asia/Kamchatka ru_RU.UTF-8

a=$(ls "$first"/tarsilo/build/package/tarsilo_*.deb)
b=$(ls "$second"/a/much/deeper/clone/of/tarsilo/build/package/tarsilo_*.deb)
if cmp --quiet "$a" "$b"; then
  echo "reproducible: the two builds of ${commit:0:12} give the same $(basename "$a"):" \
    "$(stat -c %s "$a") bytes, sha256 $(sha256sum "$a" | cut -c1-16)..."
  exit 0
fi
echo "reproducible: the two builds of ${commit:0:12} differ:" >&2
diffoscope --no-progress --text - "$a" "$b" >&2 || true
exit 1
