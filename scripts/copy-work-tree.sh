#!/usr/bin/env bash
# Copies the work tree as it is, without build trees or anything git ignores,
# into <destination> (which must exist): what a build in a Debian root starts
# from. The copy's modes are what git knows of them, whatever the umask:
# rw-r--r--, rwxr-xr-x for executables and folders, so that a source package
# made from it is the same under any umask.
#
# Usage: scripts/copy-work-tree.sh <destination>
set -euo pipefail
cd "$(dirname "$0")/.."
destination=${1:?usage: copy-work-tree.sh <destination>}
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
  tar --null -T - -cf - | tar -xf - -C "$destination"
chmod -R u=rwX,go=rX "$destination"
