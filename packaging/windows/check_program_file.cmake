# Checks that the program is one self-contained file: at most MAX_BYTES, and
# importing no DLL but those of Windows itself.
#   cmake -DPROGRAM=<exe> -DOBJDUMP=<objdump> -DMAX_BYTES=<n> -P check_program_file.cmake
cmake_minimum_required(VERSION 3.25)

file(SIZE "${PROGRAM}" bytes)
if(bytes GREATER MAX_BYTES)
  message(FATAL_ERROR "${PROGRAM} has ${bytes} bytes, more than ${MAX_BYTES}")
endif()

execute_process(COMMAND "${OBJDUMP}" -p "${PROGRAM}"
                OUTPUT_VARIABLE headers RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} cannot read ${PROGRAM}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
set(system_dlls advapi32 comctl32 comdlg32 gdi32 kernel32 msvcrt ole32 oleaut32 shell32
    shlwapi user32 uxtheme version)
set(names)
foreach(import IN LISTS imports)
  string(REPLACE "DLL Name: " "" dll "${import}")
  string(STRIP "${dll}" dll)
  string(TOLOWER "${dll}" name)
  string(REGEX REPLACE "\\.dll$" "" name "${name}")
  if(NOT name IN_LIST system_dlls AND NOT name MATCHES "^api-ms-win-")
    message(FATAL_ERROR "${PROGRAM} needs ${dll}, which Windows does not have")
  endif()
  list(APPEND names ${dll})
endforeach()
list(JOIN names ", " names)
message(STATUS "${PROGRAM}: ${bytes} bytes, imports ${names}")
