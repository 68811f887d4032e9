# Cross-builds Orvane.exe for 32-bit Windows on Intel x86 with Debian's mingw-w64:
#   cmake -S . -B build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
# The posix thread model gives the full C++ thread library; its run-time
# (libstdc++, libgcc, winpthread) is linked statically by ui/win32, so the program
# needs nothing but Windows itself. Test programs run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(ORVANE_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER ${ORVANE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVANE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ORVANE_MINGW_TRIPLE}-windres)
set(CMAKE_OBJDUMP ${ORVANE_MINGW_TRIPLE}-objdump CACHE FILEPATH "objdump for PE files")

set(CMAKE_FIND_ROOT_PATH /usr/${ORVANE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# ctest starts the cross-built test programs through Wine.
find_program(ORVANE_WINE wine)
if(ORVANE_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ORVANE_WINE})
endif()
