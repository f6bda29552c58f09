#!/usr/bin/env bash
# Checks a built package as Debian's tools see it, and prints what they say:
#   lintian -I --pedantic on the .changes (the source package and the binary
#     packages): no error, no warning, no hardening tag and no unneeded
#     .comment section (informational and pedantic tags are shown);
#   hardening-check on the packaged program: position-independent executable,
#     stack protector, fortified functions, read-only relocations, immediate
#     binding (and stack clash protection, which it reports as "unknown" when
#     no function has a frame large enough to need probes).
# Runs on the release the package was built for.
#
# Usage: scripts/check-package.sh <package.changes>
set -euo pipefail
changes=$(realpath "${1:?usage: check-package.sh <package.changes>}")
deb=$(ls "$(dirname "$changes")"/tarsilo_*.deb)
status=0

echo "lintian $(dpkg-query -W -f='${Version}' lintian) -I --pedantic $(basename "$changes"):"
# lintian warns that it runs as root; that says nothing of the package.
lintian_output=$(lintian -I --pedantic "$changes" 2>&1 | grep -v '^running with root privileges' || true)
if [ -n "$lintian_output" ]; then
  sed 's/^/  /' <<<"$lintian_output"
else
  echo "  (no tags)"
fi
if grep -qE '^[EW]: ' <<<"$lintian_output"; then
  echo "check-package: lintian reports an error or a warning" >&2
  status=1
fi
if grep -qE ' (hardening-no-[a-z-]+|binary-has-unneeded-section)( |$)' <<<"$lintian_output"; then
  echo "check-package: lintian reports a hardening tag or an unneeded section" >&2
  status=1
fi

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
program=$unpacked/usr/bin/Tarsilo10
# Two of hardening-check's items no amd64 program linked by Debian's toolchain
# passes, Debian's own included (/usr/bin/ls): control flow integrity needs
# every object linked in marked for IBT and SHSTK, and the C library's start
# files (Scrt1.o, crti.o, crtn.o) are not, on Debian 12 or 13, so the linker
# drops the mark even where dpkg-buildflags gives -fcf-protection (Debian 13);
# branch protection is arm64's (Debian 13's hardening-check asks it of amd64
# too). Both are shown, marked "(ignored)".
options=()
if [ "$(dpkg --print-architecture)" = amd64 ]; then
  options+=(--nocfprotection)
  # (--help ends with status 1)
  if grep -q -- --nobranchprotection <<<"$(hardening-check --help 2>&1 || true)"; then
    options+=(--nobranchprotection)
  fi
fi
echo "hardening-check ${options[*]} usr/bin/Tarsilo10 (devscripts $(dpkg-query -W -f='${Version}' devscripts)):"
# pipefail: the pipeline fails when hardening-check does.
if ! hardening-check "${options[@]}" "$program" | sed "s|$unpacked/||; s/^/  /"; then
  echo "check-package: hardening-check finds a protection missing" >&2
  status=1
fi
exit $status
