# Read by cpack before it packs: dates every member of the zip by the last commit,
# as reproducible builds do, unless the caller has set SOURCE_DATE_EPOCH. Outside a
# git checkout members keep the time of packing.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C "${CPACK_ORVANE_SOURCE_DIR}" log -1 --format=%ct
                  OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE git_failed ERROR_QUIET)
  if(git_failed EQUAL 0 AND commit_time MATCHES "^[0-9]+$")
    set(ENV{SOURCE_DATE_EPOCH} ${commit_time})
  endif()
endif()
# A zip keeps local times (DOS dates): they are written as UTC, whatever the
# packer's time zone.
set(ENV{TZ} UTC)
