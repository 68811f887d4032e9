# shellcheck shell=bash
# Shows the real program on an X display and finds its window. Sourced by every
# script that does, so that they all start it and wait for it the same way:
#
#   on_virtual_display [--screen WxHxD] COMMAND [ARG...]
#       Runs COMMAND on a virtual X display of its own (1024x768, 24 bits unless
#       told otherwise, as the pictures and pixel positions of the checks assume)
#       with a private runtime folder, as a desktop session would give it, and
#       returns its status: scripts/lib/on-virtual-display, which commands that are
#       no shell, such as ctest's and the installed package's tests, start directly.
#
#   open_board [--within SECONDS] COMMAND [ARG...]
#       Starts COMMAND in the background on the current display (the program, or
#       the program behind a prefix such as valgrind) and waits, 30 seconds unless
#       told otherwise, until its window titled "Form2" is shown. Sets board_pid and
#       board_window. If no window shows, it says so, stops COMMAND and returns 1.

on_virtual_display() {
  "$(dirname "${BASH_SOURCE[0]}")/on-virtual-display" "$@"
}

open_board() {
  local within=30
  if [ "${1:-}" = --within ]; then within=$2; shift 2; fi
  # The board shows on this display, whatever platform the caller's tests use.
  QT_QPA_PLATFORM=xcb "$@" &
  board_pid=$!
  board_window=$(timeout "$within" xdotool search --sync --onlyvisible --name '^Form2$' | head -n1) || true
  if [ -z "$board_window" ]; then
    echo "no window \"Form2\" of $* showed within $within s" >&2
    kill "$board_pid" 2>/dev/null || true
    return 1
  fi
}
