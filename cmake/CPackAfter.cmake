# Run by cpack once it has made the zip, before it copies it out. The zip generator
# adds files in the order the file system lists them, which differs between
# machines: the same files are packed again, sorted by name.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(package MATCHES "\\.zip$")
    file(GLOB_RECURSE members LIST_DIRECTORIES false RELATIVE "${CPACK_TOPLEVEL_DIRECTORY}"
         "${CPACK_TEMPORARY_DIRECTORY}/*")
    list(SORT members)
    file(REMOVE "${package}")
    execute_process(COMMAND "${CMAKE_COMMAND}" -E tar cf "${package}" --format=zip -- ${members}
                    WORKING_DIRECTORY "${CPACK_TOPLEVEL_DIRECTORY}" COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
