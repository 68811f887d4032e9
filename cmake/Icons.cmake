# Every icon file is drawn at build time from the one design, icon/orvane-icon.txt.
#   orvane_icons(<target> [ALL] <file>...)
# makes a target that draws the files; what each holds follows from its name:
# NAME-SIZE.png (SIZE pixels square), NAME.svg, NAME.ico (the Windows icon), or
# NAME.h (the design as C++ constants, to test the drawn files against).
find_package(Python3 REQUIRED COMPONENTS Interpreter)

function(orvane_icons target)
  set(all "")
  set(files ${ARGN})
  if(files AND "${ARGV1}" STREQUAL "ALL")
    set(all ALL)
    list(REMOVE_AT files 0)
  endif()
  set(arguments "")
  set(directories "")
  foreach(file IN LISTS files)
    if(file MATCHES "-([0-9]+)\\.png$")
      list(APPEND arguments --png ${CMAKE_MATCH_1} ${file})
    elseif(file MATCHES "\\.(svg|ico)$")
      list(APPEND arguments --${CMAKE_MATCH_1} ${file})
    elseif(file MATCHES "\\.h$")
      list(APPEND arguments --header ${file})
    else()
      message(FATAL_ERROR "orvane_icons: no icon is drawn as ${file}")
    endif()
    get_filename_component(directory ${file} DIRECTORY)
    list(APPEND directories ${directory})
  endforeach()
  list(REMOVE_DUPLICATES directories)
  set(design ${PROJECT_SOURCE_DIR}/icon/orvane-icon.txt)
  set(tool ${PROJECT_SOURCE_DIR}/icon/make_icon.py)
  add_custom_command(
    OUTPUT ${files}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${directories}
    COMMAND Python3::Interpreter ${tool} ${design} ${arguments}
    DEPENDS ${design} ${tool}
    COMMENT "Drawing ${target}"
    VERBATIM)
  add_custom_target(${target} ${all} DEPENDS ${files})
endfunction()
