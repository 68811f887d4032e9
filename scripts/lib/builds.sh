# shellcheck shell=bash
# The set-up that the scripts' builds share, written once so that every script
# builds alike. Sourced by each script that builds, once it has changed to the top
# of the source tree:
#
#   build_jobs
#       How many jobs a build or a test run takes at once: one a processor.
#
#   configure_web [CMAKE_OPTION...]
#       Configures build-web, the web page built with Emscripten and optimised for
#       size, with the options given besides.
#
#   NODE_PATH
#       Exported as /usr/share/nodejs on sourcing. Emscripten's tools find their
#       JavaScript modules there when Node.js is not Debian's own, and they run in
#       every configure and build of the web page, not in the configure alone.
#
#   configure_win32 TREE [CMAKE_OPTION...]
#       Configures TREE to cross-build the 32-bit Windows program with mingw-w64,
#       with the options given besides.

# shellcheck disable=SC2034 # read by the scripts that source this
build_jobs=$(nproc)

export NODE_PATH=/usr/share/nodejs

configure_web() {
  emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=MinSizeRel "$@"
}

configure_win32() {
  local tree=$1
  shift
  cmake -S . -B "$tree" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake "$@"
}
