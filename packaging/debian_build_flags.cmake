# With TARSILO_DEBIAN_BUILD_FLAGS (the release, release-tests, package and
# bench presets) everything is compiled and linked with the flags Debian builds
# its packages with, as dpkg-buildflags gives them on the machine that builds:
# hardening (a position-independent executable, -fstack-protector-strong,
# -D_FORTIFY_SOURCE, read-only relocations bound at start-up, and whatever
# else the release adds) and reproducible paths (-ffile-prefix-map of the
# source tree, so no build path ends up in the program). They come before the
# build type's own flags, which keep their optimisation level. The Debug,
# sanitizer and fuzz builds leave this off.
#
# The usual variables of Debian's build tools still apply: DEB_BUILD_OPTIONS,
# DEB_CXXFLAGS_APPEND and the like, read at configure time.

option(TARSILO_DEBIAN_BUILD_FLAGS
       "Compile and link with the hardening and reproducible flags of dpkg-buildflags" OFF)

if(TARSILO_DEBIAN_BUILD_FLAGS)
  find_program(TARSILO_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    # In the source tree: the prefix it maps is the working directory.
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
              ${TARSILO_DPKG_BUILDFLAGS} --get ${kind}
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE TARSILO_DEB_${kind}
      OUTPUT_STRIP_TRAILING_WHITESPACE
      COMMAND_ERROR_IS_FATAL ANY)
  endforeach()

  # A build tree outside the source tree is mapped too.
  cmake_path(IS_PREFIX PROJECT_SOURCE_DIR "${PROJECT_BINARY_DIR}" NORMALIZE binary_in_source)
  if(NOT binary_in_source)
    string(APPEND TARSILO_DEB_CXXFLAGS " -ffile-prefix-map=${PROJECT_BINARY_DIR}=build")
  endif()

  string(PREPEND CMAKE_CXX_FLAGS "${TARSILO_DEB_CPPFLAGS} ${TARSILO_DEB_CXXFLAGS} ")
  foreach(kind EXE SHARED MODULE)
    string(PREPEND CMAKE_${kind}_LINKER_FLAGS "${TARSILO_DEB_LDFLAGS} ")
  endforeach()
  message(STATUS "dpkg-buildflags: CPPFLAGS ${TARSILO_DEB_CPPFLAGS}")
  message(STATUS "dpkg-buildflags: CXXFLAGS ${TARSILO_DEB_CXXFLAGS}")
  message(STATUS "dpkg-buildflags: LDFLAGS ${TARSILO_DEB_LDFLAGS}")
endif()
