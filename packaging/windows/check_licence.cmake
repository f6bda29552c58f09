# Checks the composed LICENSE.txt: the project's statement, then the licences
# of libjpeg-turbo and the legal section of README.ijg, in that order, with
# every line ending in CR LF.
#   cmake -DLICENCE=<LICENSE.txt> -P check_licence.cmake
cmake_minimum_required(VERSION 3.25)

file(READ "${LICENCE}" text)
set(pieces
    "Copyright 2026 Tarsilo project"
    "No licence to use, copy, modify or distribute this software has been granted yet."
    "This software is based in part on the work of the Independent JPEG Group."
    "libjpeg-turbo Licenses"
    "The Modified (3-clause) BSD License"
    "Why Three Licenses?"
    "LEGAL ISSUES"
    "assumed by the product vendor.")
set(after -1)
foreach(piece IN LISTS pieces)
  string(FIND "${text}" "${piece}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${LICENCE} lacks '${piece}'")
  endif()
  if(at LESS_EQUAL after)
    message(FATAL_ERROR "${LICENCE}: '${piece}' comes too early")
  endif()
  set(after ${at})
endforeach()
# README.ijg's next section is not part of the legal text.
string(FIND "${text}" "REFERENCES" references)
if(NOT references EQUAL -1)
  message(FATAL_ERROR "${LICENCE} carries README.ijg beyond its legal section")
endif()
# file(READ) drops carriage returns; the bytes, as a list of hex pairs, keep them.
file(READ "${LICENCE}" hex HEX)
string(REGEX MATCHALL ".." bytes "${hex}")
string(REPLACE ";" ";;" bytes ";${bytes};")
string(REPLACE ";0d;;0a;" "" bytes "${bytes}")
string(FIND "${bytes}" ";0a;" bare_lf)
string(FIND "${bytes}" ";0d;" bare_cr)
if(NOT bare_lf EQUAL -1 OR NOT bare_cr EQUAL -1)
  message(FATAL_ERROR "${LICENCE} has a line not ending in CR LF")
endif()
