#!/usr/bin/env bash
# Builds the source and Debian packages a second time, in the same Debian
# root as scripts/package.sh built them but in a directory of another name and
# depth, under another umask, time zone and locale, without the compiler
# cache, and compares the two builds byte for byte: the source package
# (.dsc and .tar.xz) and the .deb. When they differ, diffoscope shows where,
# and the test fails.
#
# Usage: scripts/test-reproducible.sh [suite]   (after scripts/package.sh [--suite suite])
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh release
suite=${1:-$(. /etc/os-release && echo "$VERSION_CODENAME")}
first=build/debian/$suite
second=build/debian/$suite-second-build
[ -n "$(ls "$first"/tarsilo_*.deb 2>/dev/null)" ] ||
  { echo "reproducible: no package in $first: run scripts/package.sh first" >&2; exit 1; }

start=$SECONDS
(
  umask 002
  TZ=Asia/Kamchatka LANG=ru_RU.UTF-8 bash scripts/package.sh --suite "$suite" \
    --output "$second" --place /var/tmp/a/much/deeper/place/of/the/second/build \
    --no-compiler-cache --no-check >"$second.log" 2>&1
) || {
  echo "reproducible: the second build failed:" >&2
  tail -30 "$second.log" >&2
  exit 1
}
echo "reproducible: built again in $((SECONDS - start)) s (umask 002, TZ=Asia/Kamchatka," \
  "LANG=ru_RU.UTF-8, a deeper directory, no compiler cache)"

status=0
for pattern in 'tarsilo_*.dsc' 'tarsilo_*.tar.xz' 'tarsilo_*.deb'; do
  a=$(ls "$first"/$pattern)
  b=$(ls "$second"/$pattern)
  if cmp --quiet "$a" "$b"; then
    echo "reproducible: the same $(basename "$a"): $(stat -c %s "$a") bytes," \
      "sha256 $(sha256sum "$a" | cut -c1-16)..."
  else
    echo "reproducible: the two builds of $(basename "$a") differ:" >&2
    diffoscope --no-progress --text - "$a" "$b" >&2 || true
    status=1
  fi
done
exit $status
