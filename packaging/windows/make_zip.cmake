# Packs the folder DIR (relative to the working folder) holding FILES into
# the zip archive OUTPUT, the same bytes from the same files: the entries in
# the order given, each with the time MTIME instead of the file's own.
#
#   cmake -DDIR=<folder> -DFILES=<a;b> -DMTIME=<date> -DOUTPUT=<x.zip> -P make_zip.cmake
foreach(input DIR FILES MTIME OUTPUT)
  if(NOT DEFINED ${input})
    message(FATAL_ERROR "define ${input}")
  endif()
endforeach()
set(entries "")
foreach(file IN LISTS FILES)
  if(NOT EXISTS "${DIR}/${file}")
    message(FATAL_ERROR "no ${DIR}/${file}")
  endif()
  list(APPEND entries "${DIR}/${file}")
endforeach()
# A zip entry's time is local time: the same time zone everywhere.
set(ENV{TZ} UTC)
file(REMOVE "${OUTPUT}.partial")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E tar cf "${OUTPUT}.partial" --format=zip "--mtime=${MTIME}" ${entries}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake -E tar failed: ${status}")
endif()
file(RENAME "${OUTPUT}.partial" "${OUTPUT}")
