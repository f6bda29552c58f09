# Writes LICENSE.txt, the licence text that ships beside the Windows program:
# the project's own statement, taken from the "Files: *" stanza of the Debian
# copyright file, then the licences of the libjpeg-turbo library the program
# links statically (its LICENSE.md whole and the legal section of README.ijg).
# The same inputs always give the same bytes; lines end in CR LF for Notepad.
#
#   cmake -DCOPYRIGHT=<debian/copyright> -DJPEG_LICENSES=<dir with
#         LICENSE.md and README.ijg> -DOUTPUT=<LICENSE.txt> -P compose_licence.cmake

foreach(input COPYRIGHT JPEG_LICENSES OUTPUT)
  if(NOT DEFINED ${input})
    message(FATAL_ERROR "define ${input}")
  endif()
endforeach()

# The "Files: *" stanza: its Copyright value and its License text (the lines
# indented under "License:", a lone "." standing for an empty line).
file(STRINGS "${COPYRIGHT}" copyright_lines)
set(in_stanza FALSE)
set(in_licence FALSE)
set(holder "")
set(statement "")
foreach(line IN LISTS copyright_lines)
  if(line MATCHES "^Files: (.*)$")
    set(in_licence FALSE)
    if(CMAKE_MATCH_1 STREQUAL "*")
      set(in_stanza TRUE)
    else()
      set(in_stanza FALSE)
    endif()
  elseif(in_stanza AND line MATCHES "^Copyright: (.*)$")
    set(holder "${CMAKE_MATCH_1}")
  elseif(in_stanza AND line MATCHES "^License: ")
    set(in_licence TRUE)
  elseif(in_licence AND line MATCHES "^ (.*)$")
    set(text "${CMAKE_MATCH_1}")
    if(text STREQUAL ".")
      set(text "")
    endif()
    string(APPEND statement "${text}\n")
  else()
    set(in_licence FALSE)
  endif()
endforeach()
if(holder STREQUAL "" OR statement STREQUAL "")
  message(FATAL_ERROR "${COPYRIGHT}: no Copyright or License text in the 'Files: *' stanza")
endif()

file(READ "${JPEG_LICENSES}/LICENSE.md" jpeg_licence)
# README.ijg: from its LEGAL ISSUES heading up to the next heading.
file(READ "${JPEG_LICENSES}/README.ijg" ijg_readme)
string(FIND "${ijg_readme}" "LEGAL ISSUES\n============\n" legal_start)
string(FIND "${ijg_readme}" "\nREFERENCES\n==========\n" legal_end)
if(legal_start EQUAL -1 OR legal_end LESS_EQUAL legal_start)
  message(FATAL_ERROR "${JPEG_LICENSES}/README.ijg: no LEGAL ISSUES section")
endif()
math(EXPR legal_length "${legal_end} - ${legal_start}")
string(SUBSTRING "${ijg_readme}" ${legal_start} ${legal_length} ijg_legal)
string(STRIP "${ijg_legal}" ijg_legal)
string(STRIP "${jpeg_licence}" jpeg_licence)

set(rule "------------------------------------------------------------------------------")
set(text "Tarsilo\n\nCopyright ${holder}\n\n${statement}\n${rule}\n\n")
string(APPEND text
  "Tarsilo for Windows contains the libjpeg-turbo library, linked into the\n"
  "program file; its licences follow.\n\n"
  "This software is based in part on the work of the Independent JPEG Group.\n\n"
  "${jpeg_licence}\n\n${rule}\n\n"
  "libjpeg-turbo, README.ijg:\n\n${ijg_legal}\n")
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
# Written under another name and renamed, so that a failed run leaves no
# half-written file under the final name.
file(WRITE "${OUTPUT}.partial" "${text}")
file(RENAME "${OUTPUT}.partial" "${OUTPUT}")
