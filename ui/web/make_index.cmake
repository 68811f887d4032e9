# Writes index.html from its template with the window's caption, the sizes the
# view scales by, the board's style and markup, which the page writer prints
# from the designs, and the page's own words; and beside it a manifest for each
# language of the catalogue, the English one's (MANIFEST) with its description
# and language.
#   cmake "-DWRITER=node;orvane_page_writer.js" -DTEMPLATE=index.html.in -DOUTPUT=index.html
#         -DMANIFEST=manifest.json -P make_index.cmake
execute_process(COMMAND ${WRITER} OUTPUT_VARIABLE printed RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the page writer failed: ${status}")
endif()
if(NOT printed MATCHES "^([^\n]+)\n({[^\n]+})\n([^\n]+)\n([^\n]+)\n(([A-Za-z_.-]+=[^\n]+\n)+)$")
  message(FATAL_ERROR "the page writer printed no caption, sizes, style, markup and words")
endif()
set(BOARD_TITLE "${CMAKE_MATCH_1}")
set(BOARD_SIZES "${CMAKE_MATCH_2}")
set(BOARD_STYLE "${CMAKE_MATCH_3}")
set(BOARD_MARKUP "${CMAKE_MATCH_4}")
string(REGEX MATCHALL "[^\n]+" words "${CMAKE_MATCH_5}")
file(READ "${MANIFEST}" manifest)
get_filename_component(dir "${OUTPUT}" DIRECTORY)
foreach(line IN LISTS words)
  string(REGEX MATCH "^([^=]+)=(.*)$" _ "${line}")
  set(name "${CMAKE_MATCH_1}")
  set(value "${CMAKE_MATCH_2}")
  if(name MATCHES "^manifest-(.*)\\.json$")
    set(tag "${CMAKE_MATCH_1}")
    string(REPLACE "\\" "\\\\" value "${value}")
    string(REPLACE "\"" "\\\"" value "${value}")
    string(JSON translated SET "${manifest}" description "\"${value}\"")
    string(JSON translated SET "${translated}" lang "\"${tag}\"")
    file(WRITE "${dir}/${name}" "${translated}\n")
  else()
    set(${name} "${value}")
  endif()
endforeach()
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
# Newer than what it was made from, even when its content came out the same.
file(TOUCH "${OUTPUT}")
