#!/usr/bin/env bash
# Opens the board on the current X display, waits for its window "Form2", closes
# the window as a window manager does (WM_DELETE_WINDOW) and expects the program
# to end with status 0.
#   open-and-close.sh [--icon] [--class NAME] PROGRAM [ARGUMENT...]
# With --icon the window must also carry the icon design, which the program
# carries inside itself; with --class its WM_CLASS must be NAME. Arguments go to the
# program unchanged.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
checks=()
while [ "${1:-}" = --icon ] || [ "${1:-}" = --class ]; do
  if [ "$1" = --icon ]; then checks+=(--icon); shift; else checks+=(--class "$2"); shift 2; fi
done
program=$1
shift

. "$here/../../scripts/lib/virtual-display.sh"
open_board "$program" "$@"
trap 'kill $board_pid 2>/dev/null || true' EXIT
echo "$program shows window $board_window \"$(xdotool getwindowname "$board_window")\""
/usr/bin/python3 "$here/x_window.py" "$board_window" "${checks[@]}"

# Closed, the program ends within milliseconds; one still running 5 s later, even
# on a busy machine, has not taken the close or waits on something it should not.
for ((n = 0; n < 50; n++)); do kill -0 $board_pid 2>/dev/null || break; sleep 0.1; done
if kill -0 $board_pid 2>/dev/null; then
  echo "$program still runs 5 s after its window was closed" >&2
  exit 1
fi
status=0
wait $board_pid || status=$?
trap - EXIT
if [ $status -ne 0 ]; then
  echo "$program ended with status $status after its window was closed" >&2
  exit 1
fi
echo "closing the window ended $program with status 0"
