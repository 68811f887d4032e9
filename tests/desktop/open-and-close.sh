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

# The board opens on this display, whatever platform the caller's tests use.
env -u QT_QPA_PLATFORM "$program" "$@" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

if ! window=$(timeout 30 xdotool search --sync --name '^Form2$' | head -n1) || [ -z "$window" ]; then
  echo "no window \"Form2\" of $program appeared within 30 s" >&2
  exit 1
fi
echo "$program shows window $window \"$(xdotool getwindowname "$window")\""
/usr/bin/python3 "$here/x_window.py" "$window" "${icon[@]}"

status=0
wait $pid || status=$?
trap - EXIT
if [ $status -ne 0 ]; then
  echo "$program ended with status $status after its window was closed" >&2
  exit 1
fi
echo "closing the window ended $program with status 0"
