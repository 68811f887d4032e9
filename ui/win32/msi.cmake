# Makes the Windows installer with wixl in the current folder, which holds
# Orvane.wxs, the licence and the icon, from the program stripped as in the zip:
#   cmake -DPROGRAM=... -DSTRIP=... -DWIXL=... -DMSIBUILD=... -DFAKETIME=...
#         -DVERSION=... -DSOURCE_DIR=... -DOUT=... -P msi.cmake
# strip stamps the program with the time it runs, wixl the package with its own
# time, the cabinet with its files' times, and the product and the package with
# fresh codes. All of them come from the last commit instead, as every other
# package's dates do (SOURCE_DATE_EPOCH when set), so that one commit gives one
# installer. Outside a git checkout and with no SOURCE_DATE_EPOCH, the installer
# keeps the time and the codes of its making.
execute_process(COMMAND git -C "${SOURCE_DIR}" log -1 --format=%ct%n%H
                OUTPUT_VARIABLE commit OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE git_failed ERROR_QUIET)
if(git_failed EQUAL 0 AND commit MATCHES "^([0-9]+)\n([0-9a-f]+)$")
  set(epoch ${CMAKE_MATCH_1})
  set(identity ${CMAKE_MATCH_2})
endif()
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(epoch $ENV{SOURCE_DATE_EPOCH})
  if(NOT identity)
    set(identity ${VERSION}-${epoch})
  endif()
endif()

if(NOT epoch)
  execute_process(COMMAND ${STRIP} -o Orvane.exe ${PROGRAM} COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${WIXL} -D Version=${VERSION} -D ProductCode=* -o ${OUT} Orvane.wxs
                  COMMAND_ERROR_IS_FATAL ANY)
  return()
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${epoch} ${STRIP} -o Orvane.exe ${PROGRAM}
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND touch -d @${epoch} Orvane.exe LICENSE.txt Orvane.ico COMMAND_ERROR_IS_FATAL ANY)
# Name-based codes: the same commit always gives the same ones, another commit others.
set(namespace 5d1c9a0e-3f4b-4c8e-9a61-0b7e2f6d4c13)
string(UUID product NAMESPACE ${namespace} NAME "product ${identity}" TYPE SHA1 UPPER)
string(UUID package NAMESPACE ${namespace} NAME "package ${identity}" TYPE SHA1 UPPER)
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${FAKETIME} @${epoch}
                        ${WIXL} -D Version=${VERSION} -D ProductCode=${product} -o ${OUT} Orvane.wxs
                COMMAND_ERROR_IS_FATAL ANY)
# wixl takes no package code; msibuild writes it into the summary and keeps the rest.
execute_process(COMMAND ${MSIBUILD} ${OUT} -s "Orvane ${VERSION}" "The Orvane developers" "Intel;1033" "{${package}}"
                COMMAND_ERROR_IS_FATAL ANY)
