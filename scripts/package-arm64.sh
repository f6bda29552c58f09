#!/usr/bin/env bash
# The Debian 12 arm64 package, cross-built: the program of the arm64 preset,
# packed by CPack as build/arm64/tarsilo_<version>_arm64.deb. Its Depends come
# from dpkg-shlibdeps run on the arm64 program against the arm64 system root's
# dpkg database (scripts/arm64-sysroot.sh): CPack's own call of dpkg-shlibdeps
# would read this machine's database instead. Then the package is unpacked
# beside the root and its program started under qemu on an X server of its
# own, to its main window.
set -euo pipefail
cd "$(dirname "$0")/.."
root=${TARSILO_ARM64_SYSROOT:-/var/cache/tarsilo/debian12-arm64-sysroot}
export TARSILO_ARM64_SYSROOT=$root
bash scripts/install-deps.sh build package arm64
bash scripts/arm64-sysroot.sh "$root"
cmake --preset arm64 -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build --preset arm64 --target Tarsilo10 packaging/all

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/debian"
printf 'Source: tarsilo\n\nPackage: tarsilo\nArchitecture: arm64\n' >"$work/debian/control"
cp build/arm64/qt/app/Tarsilo10 "$work/"
libraries=$(cd "$work" && DEB_HOST_ARCH=arm64 DEB_HOST_GNU_TYPE=aarch64-linux-gnu \
  DEB_HOST_MULTIARCH=aarch64-linux-gnu dpkg-shlibdeps --admindir="$root/var/lib/tarsilo-dpkg" \
  -l"$root/lib/aarch64-linux-gnu" -l"$root/usr/lib/aarch64-linux-gnu" -O Tarsilo10 2>/dev/null |
  sed -n 's/^shlibs:Depends=//p')
[ -n "$libraries" ] || { echo "package-arm64: dpkg-shlibdeps found no libraries" >&2; exit 1; }
(cd build/arm64 && cpack -G DEB -D CPACK_DEBIAN_PACKAGE_ARCHITECTURE=arm64 \
  -D CPACK_DEBIAN_PACKAGE_SHLIBDEPS=OFF -D "CPACK_DEBIAN_PACKAGE_DEPENDS=$libraries, fonts-liberation2" >/dev/null)
deb=$(ls build/arm64/tarsilo_*_arm64.deb)
echo "$deb: $(stat -c %s "$deb") bytes"
dpkg-deb -f "$deb" Architecture Depends Installed-Size

# The packaged program, started under qemu to its main window.
dpkg-deb -x "$deb" "$work/unpacked"
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$program" "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
sleep 1
# qemu-user does not send Qt's check of its plugin folder into the root.
DISPLAY=$display LANG=C.UTF-8 QT_PLUGIN_PATH=$root/usr/lib/aarch64-linux-gnu/qt6/plugins \
  qemu-aarch64-static -L "$root" "$work/unpacked/usr/bin/Tarsilo10" >/dev/null 2>&1 &
program=$!
started=$SECONDS
until DISPLAY=$display xdotool search --onlyvisible --name '^Tarsilo V1' >/dev/null 2>&1; do
  if ((SECONDS - started > 60)) || ! kill -0 "$program" 2>/dev/null; then
    echo "package-arm64: the packaged program showed no main window" >&2
    exit 1
  fi
  sleep 0.5
done
echo "package-arm64: the packaged arm64 program showed its main window under qemu after $((SECONDS - started)) s"
