# The packages a user installs: on Linux a Debian package of orvane with its menu
# entry and icons, for Windows a zip of Orvane.exe. Made by cpack in the build tree:
#   cd build && cpack          (orvane_<version>_<arch>.deb, or Orvane-<version>-win32.zip)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orvane")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pencil board for the 9x9 number-placement puzzle")
set(CPACK_PACKAGE_CONTACT "Orvane maintainers <maintainers@users.noreply.c-seed-3def941d.example>")
# A package carries the program, not the symbols it was built with.
set(CPACK_STRIP_FILES ON)
# The same commit gives the same packages, whoever packs them and when: members are
# dated by the last commit unless SOURCE_DATE_EPOCH says otherwise, and zips keep
# UTC (cmake/CPackDate.cmake, read before packing); the members of a .deb get the
# mode dpkg-deb gives them, not one from the packer's umask (cmake/CPackAfter.cmake,
# run after packing); folders are rwxr-xr-x whatever the umask.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackDate.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/CPackAfter.cmake)
set(CPACK_ORVANE_SOURCE_DIR ${PROJECT_SOURCE_DIR})
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(CPACK_ORVANE_PYTHON ${Python3_EXECUTABLE})
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_NAME Orvane)
  set(CPACK_PACKAGE_FILE_NAME Orvane-${PROJECT_VERSION}-win32)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGE_NAME orvane)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION games)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  # The long description, which cpack puts under the summary.
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Orvane shows the 9x9 board as 81 cells of nine candidate buttons. Picking a
digit bars it in the 20 cells that share the cell's box, row or column; bars
are counted, so taking a pick back lifts exactly what it laid. Fix freezes
every picked cell and shows its digit large, Un-Fix thaws them and Reset
empties the board. Orvane neither solves nor checks puzzles.")
  # The libraries the program links decide the dependencies (dpkg-shlibdeps); the
  # icon theme is what Qt and the desktop look the installed icons up in.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS hicolor-icon-theme)
endif()

include(CPack)
