#!/usr/bin/env bash
# Writes the dpkg database that dpkg-shlibdeps reads for the arm64 system
# root (scripts/arm64-sysroot.sh), from the packages in the root's apt cache:
#   <root>/var/lib/tarsilo-dpkg/status        each package's control fields
#   <root>/var/lib/tarsilo-dpkg/info/<p>.list its files as <final root>/<path>
#   <root>/var/lib/tarsilo-dpkg/info/<p>.symbols, .shlibs
# <p> is the package's name, with and without :arm64.
#
# Usage: arm64-sysroot-database.sh <root being made> <root's final path>
set -euo pipefail
work=$1
final=$2
database=$work/var/lib/tarsilo-dpkg
mkdir -p "$database/info" "$database/updates"
echo arm64 >"$database/arch"
: >"$database/status"
control=$(mktemp -d)
trap 'rm -rf "$control"' EXIT

for deb in "$work"/var/cache/apt/archives/*.deb; do
  package=$(dpkg-deb -f "$deb" Package)
  name=$package
  {
    dpkg-deb -f "$deb" | sed '/^Status:/d'
    echo "Status: install ok installed"
    echo
  } >>"$database/status"
  dpkg-deb --fsys-tarfile "$deb" | tar -t | sed -n "s|^\\./\\(.*[^/]\\)/\\?\$|$final/\\1|p" \
    >"$database/info/$name.list"
  rm -rf "${control:?}"/*
  dpkg-deb --control "$deb" "$control"
  for kind in symbols shlibs; do
    if [ -f "$control/$kind" ]; then
      cp "$control/$kind" "$database/info/$name.$kind"
    fi
  done
done
# dpkg-query looks a package's files up under either name, with or without
# the architecture, depending on how it reads the package: both are there.
(
  cd "$database/info"
  for file in *; do
    case $file in
    *:arm64.*) other=${file/:arm64/} ;;
    *) other=${file%%.*}:arm64.${file#*.} ;;
    esac
    [ -e "$other" ] || ln -s "$file" "$other"
  done
)
echo "arm64-sysroot: dpkg database of $(grep -c '^Package:' "$database/status") packages written"
