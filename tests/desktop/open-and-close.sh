#!/usr/bin/env bash
# Opens the board on the current X display, waits for its window "Form2", closes
# the window as a window manager does (WM_DELETE_WINDOW) and expects the program
# to end with status 0.
#   open-and-close.sh [--icon] PROGRAM [ARGUMENT...]
# With --icon the window must also carry the icon design, which the program
# carries inside itself. Arguments go to the program unchanged.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
icon=()
if [ "${1:-}" = --icon ]; then icon=(--icon); shift; fi
program=$1
shift

. "$here/../../scripts/lib/virtual-display.sh"
open_board "$program" "$@"
trap 'kill $board_pid 2>/dev/null || true' EXIT
echo "$program shows window $board_window \"$(xdotool getwindowname "$board_window")\""
/usr/bin/python3 "$here/x_window.py" "$board_window" "${icon[@]}"

status=0
wait $board_pid || status=$?
trap - EXIT
if [ $status -ne 0 ]; then
  echo "$program ended with status $status after its window was closed" >&2
  exit 1
fi
echo "closing the window ended $program with status 0"
