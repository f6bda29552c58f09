# tarsilo_accessibility_table(<target>)
# A library with the table of tests/accessibility.tsv compiled in, for the
# tests of either front end; configuring again follows a change of the table.
function(tarsilo_accessibility_table target)
  set(table ${PROJECT_SOURCE_DIR}/tests/accessibility.tsv)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${table})
  file(READ ${table} text)
  set(source ${CMAKE_CURRENT_BINARY_DIR}/${target}_text.cpp)
  file(WRITE ${source}.new
       "namespace tarsilo::test {\nextern const char* const AccessibilityTableText;\n"
       "const char* const AccessibilityTableText = R\"tsv(${text})tsv\";\n}\n")
  file(COPY_FILE ${source}.new ${source} ONLY_IF_DIFFERENT)
  add_library(${target} STATIC ${PROJECT_SOURCE_DIR}/tests/accessibility_table.cpp ${source})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()
