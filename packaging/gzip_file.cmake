# cmake -DGZIP=<gzip> -DINPUT=<file> -DOUTPUT=<file.gz> -P gzip_file.cmake
#
# Compresses a document the way Debian wants it installed: the best
# compression, and neither the file name nor a time stamp in the header, so
# that the same text always gives the same bytes.

execute_process(COMMAND "${GZIP}" -9 -n -c "${INPUT}"
                OUTPUT_FILE "${OUTPUT}"
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE "${OUTPUT}")
  message(FATAL_ERROR "gzip ${INPUT}: ${status}")
endif()
