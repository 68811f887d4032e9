# Counts the instructions of pickAndTakeBackEverywhere under callgrind and fails
# when they exceed MARGIN times the kept reference. With -DUPDATE=ON it rewrites
# the reference instead.
execute_process(
  COMMAND valgrind --tool=callgrind --callgrind-out-file=/dev/null
          --toggle-collect=pickAndTakeBackEverywhere* ${PROGRAM}
  RESULT_VARIABLE status ERROR_VARIABLE log OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "callgrind failed:\n${log}")
endif()
string(REGEX MATCH "Collected : ([0-9]+)" _ "${log}")
set(count ${CMAKE_MATCH_1})
if(NOT count)
  message(FATAL_ERROR "no instruction count in callgrind's output:\n${log}")
endif()
if(UPDATE)
  file(WRITE ${REFERENCE} "${count}\n")
  message(STATUS "reference set to ${count} instructions")
  return()
endif()
file(STRINGS ${REFERENCE} reference LIMIT_COUNT 1)
math(EXPR limit "${reference} * 3 / 2")
message(STATUS "${count} instructions; reference ${reference}, limit ${limit}")
if(count GREATER limit)
  message(FATAL_ERROR "the pick path now takes ${count} instructions, over ${limit} (1.5 times the reference)")
endif()
