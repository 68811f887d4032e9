# The package of the Windows program: a zip of Orvane.exe and its licence, made by
# cpack in the cross build tree:
#   cd build-win32 && cpack          (Orvane-<version>-win32.zip)
# The Linux program is packaged for Debian by debian/, with dpkg-buildpackage.
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Orvane)
set(CPACK_PACKAGE_FILE_NAME Orvane-${PROJECT_VERSION}-win32)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orvane")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pencil board for the 9x9 number-placement puzzle")
# A package carries the program, not the symbols it was built with.
set(CPACK_STRIP_FILES ON)
# The same commit gives the same zip, whoever packs it and when: members are dated
# by the last commit unless SOURCE_DATE_EPOCH says otherwise, in UTC
# (cmake/CPackDate.cmake, read before packing), and packed in the order of their
# names (cmake/CPackAfter.cmake, run after packing); folders are rwxr-xr-x
# whatever the umask.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackDate.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/CPackAfter.cmake)
set(CPACK_ORVANE_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
