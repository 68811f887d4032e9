# Installs the build tree into an empty stage directory, as a package would.
#   cmake -DBUILD_DIR=... -DSTAGE=... -P stage.cmake
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE} COMMAND_ERROR_IS_FATAL ANY)
