# Run by cpack once it has made the packages, before it copies them out: settles
# what the generators would take from the packer's machine.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(package MATCHES "\\.deb$")
    # The members of the ar archive get their modes from the umask.
    execute_process(COMMAND "${CPACK_ORVANE_PYTHON}" "${CPACK_ORVANE_SOURCE_DIR}/cmake/deb_member_modes.py" "${package}"
                    COMMAND_ERROR_IS_FATAL ANY)
  elseif(package MATCHES "\\.zip$")
    # The zip generator adds files in the order the file system lists them, which
    # differs between machines: the same files are packed again, sorted by name.
    file(GLOB_RECURSE members LIST_DIRECTORIES false RELATIVE "${CPACK_TOPLEVEL_DIRECTORY}"
         "${CPACK_TEMPORARY_DIRECTORY}/*")
    list(SORT members)
    file(REMOVE "${package}")
    execute_process(COMMAND "${CMAKE_COMMAND}" -E tar cf "${package}" --format=zip -- ${members}
                    WORKING_DIRECTORY "${CPACK_TOPLEVEL_DIRECTORY}" COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
