# Checks that the zip archive depends on its files' contents only: packed
# again from fresh copies of the files that carry another time, in another
# time zone, it has the same bytes.
#   cmake -DPYTHON=<python3> -DMAKE_ZIP=<make_zip.py> -DSTAGE=<tarsilo-x.y.z folder>
#         -DDATE=<YYYY-MM-DD> -DZIP=<built zip> -DWORK=<scratch folder>
#         -P check_zip_reproducible.cmake
cmake_minimum_required(VERSION 3.25)

get_filename_component(name "${STAGE}" NAME)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/${name}")
set(entries "")
foreach(file Tarsilo10.exe LICENSE.txt)
  file(COPY_FILE "${STAGE}/${file}" "${WORK}/${name}/${file}")
  execute_process(COMMAND touch -d "2031-07-15 12:34:56" "${WORK}/${name}/${file}"
                  COMMAND_ERROR_IS_FATAL ANY)
  list(APPEND entries "${name}/${file}")
endforeach()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env TZ=Asia/Tokyo
          ${PYTHON} ${MAKE_ZIP} --base ${WORK} --date ${DATE} --output ${WORK}/again.zip ${entries}
  COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${ZIP}" "${WORK}/again.zip"
                RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "${ZIP} and the same files packed again differ")
endif()
file(REMOVE_RECURSE "${WORK}")
