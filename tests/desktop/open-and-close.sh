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

# The board opens on this display, whatever platform the caller's tests use.
env -u QT_QPA_PLATFORM "$program" "$@" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

if ! window=$(timeout 30 xdotool search --sync --name '^Form2$' | head -n1) || [ -z "$window" ]; then
  echo "no window \"Form2\" of $program appeared within 30 s" >&2
  exit 1
fi
echo "$program shows window $window \"$(xdotool getwindowname "$window")\""
/usr/bin/python3 "$here/x_window.py" "$window" "${checks[@]}"

status=0
wait $pid || status=$?
trap - EXIT
if [ $status -ne 0 ]; then
  echo "$program ended with status $status after its window was closed" >&2
  exit 1
fi
echo "closing the window ended $program with status 0"
