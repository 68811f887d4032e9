# Writes index.html from its template with the window's caption, the sizes the
# view scales by, the board's style and markup, which the page writer prints
# from the designs, and the page's own words.
#   cmake "-DWRITER=node;orvane_page_writer.js" -DTEMPLATE=index.html.in -DOUTPUT=index.html -P make_index.cmake
execute_process(COMMAND ${WRITER} OUTPUT_VARIABLE printed RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the page writer failed: ${status}")
endif()
if(NOT printed MATCHES "^([^\n]+)\n({[^\n]+})\n([^\n]+)\n([^\n]+)\n([^\n]+)\n([^\n]+)\n([^\n]+)\n([^\n]+)\n([^\n]+)\n$")
  message(FATAL_ERROR "the page writer printed no caption, sizes, style, markup and words")
endif()
set(BOARD_TITLE "${CMAKE_MATCH_1}")
set(BOARD_SIZES "${CMAKE_MATCH_2}")
set(BOARD_STYLE "${CMAKE_MATCH_3}")
set(BOARD_MARKUP "${CMAKE_MATCH_4}")
set(PAGE_DESCRIPTION "${CMAKE_MATCH_5}")
set(WHOLE_BOARD "${CMAKE_MATCH_6}")
set(UNDO "${CMAKE_MATCH_7}")
set(REDO "${CMAKE_MATCH_8}")
set(STOPPED "${CMAKE_MATCH_9}")
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
# Newer than what it was made from, even when its content came out the same.
file(TOUCH "${OUTPUT}")
