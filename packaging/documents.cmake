# The documents a Debian system expects with the program: the copyright file,
# the changelog and the manual pages in English and Russian. The changelog and
# the pages are compressed at build time. The source package's debhelper
# installs the copyright file and the changelog itself, from debian/.

option(TARSILO_INSTALL_PACKAGE_DOCUMENTS
       "Install the copyright file and the changelog (off when debhelper installs them)" ON)

find_program(TARSILO_GZIP gzip REQUIRED)

set(TARSILO_PACKAGE_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/${TARSILO_PACKAGE_NAME})
set(TARSILO_MANUAL_PAGE Tarsilo10.1)

# tarsilo_gzip_document(<input> <output.gz>): a build rule, with the output
# added to TARSILO_COMPRESSED_DOCUMENTS.
function(tarsilo_gzip_document input output)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DGZIP=${TARSILO_GZIP} -DINPUT=${input} -DOUTPUT=${output}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/gzip_file.cmake
    DEPENDS ${input} ${CMAKE_CURRENT_SOURCE_DIR}/gzip_file.cmake
    COMMENT "Compressing ${output}"
    VERBATIM)
  set(TARSILO_COMPRESSED_DOCUMENTS ${TARSILO_COMPRESSED_DOCUMENTS} ${output} PARENT_SCOPE)
endfunction()

set(man_dir ${CMAKE_CURRENT_BINARY_DIR}/man)
configure_file(man/${TARSILO_MANUAL_PAGE}.in ${man_dir}/en/${TARSILO_MANUAL_PAGE} @ONLY)
configure_file(man/Tarsilo10.ru.1.in ${man_dir}/ru/${TARSILO_MANUAL_PAGE} @ONLY)
tarsilo_gzip_document(${man_dir}/en/${TARSILO_MANUAL_PAGE} ${man_dir}/en/${TARSILO_MANUAL_PAGE}.gz)
tarsilo_gzip_document(${man_dir}/ru/${TARSILO_MANUAL_PAGE} ${man_dir}/ru/${TARSILO_MANUAL_PAGE}.gz)
if(TARSILO_INSTALL_PACKAGE_DOCUMENTS)
  tarsilo_gzip_document(${PROJECT_SOURCE_DIR}/debian/changelog
                        ${CMAKE_CURRENT_BINARY_DIR}/doc/changelog.gz)
endif()
add_custom_target(tarsilo_documents ALL DEPENDS ${TARSILO_COMPRESSED_DOCUMENTS})

if(TARSILO_INSTALL_PACKAGE_DOCUMENTS)
  install(FILES ${PROJECT_SOURCE_DIR}/debian/copyright ${CMAKE_CURRENT_BINARY_DIR}/doc/changelog.gz
          DESTINATION ${TARSILO_PACKAGE_DOC_DIR})
endif()
install(FILES ${man_dir}/en/${TARSILO_MANUAL_PAGE}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${man_dir}/ru/${TARSILO_MANUAL_PAGE}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ru/man1)
