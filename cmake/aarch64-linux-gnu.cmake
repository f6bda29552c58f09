# Cross-compiling for Debian 12 arm64 with Debian's aarch64-linux-gnu GCC
# against the arm64 system root of scripts/arm64-sysroot.sh; Qt's host tools
# (moc, rcc, uic) are the build machine's Qt 6, of the same version.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)

if(NOT TARSILO_ARM64_SYSROOT)
  set(TARSILO_ARM64_SYSROOT "$ENV{TARSILO_ARM64_SYSROOT}")
endif()
if(NOT TARSILO_ARM64_SYSROOT)
  set(TARSILO_ARM64_SYSROOT /var/cache/tarsilo/debian12-arm64-sysroot)
endif()
set(TARSILO_ARM64_SYSROOT "${TARSILO_ARM64_SYSROOT}" CACHE PATH "Debian 12 arm64 system root")
set(CMAKE_SYSROOT ${TARSILO_ARM64_SYSROOT})
set(CMAKE_FIND_ROOT_PATH ${TARSILO_ARM64_SYSROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(ENV{PKG_CONFIG_SYSROOT_DIR} ${TARSILO_ARM64_SYSROOT})
set(ENV{PKG_CONFIG_LIBDIR} ${TARSILO_ARM64_SYSROOT}/usr/lib/aarch64-linux-gnu/pkgconfig:${TARSILO_ARM64_SYSROOT}/usr/share/pkgconfig)

set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# Tests and tools run under qemu-user with the system root as their root.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64-static -L ${TARSILO_ARM64_SYSROOT})
