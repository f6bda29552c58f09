# tarsilo_doctest_library(<target>): an interface library with doctest's one
# header. doctest is header-only; a cross compiler does not search the build
# machine's /usr/include (and must not see its other headers), so the header
# is copied where it can see it.
function(tarsilo_doctest_library target)
  find_path(TARSILO_DOCTEST_DIR doctest/doctest.h PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH
            REQUIRED)
  configure_file(${TARSILO_DOCTEST_DIR}/doctest/doctest.h
                 ${CMAKE_CURRENT_BINARY_DIR}/doctest-include/doctest/doctest.h COPYONLY)
  add_library(${target} INTERFACE)
  target_include_directories(${target} SYSTEM INTERFACE
                             ${CMAKE_CURRENT_BINARY_DIR}/doctest-include)
endfunction()
