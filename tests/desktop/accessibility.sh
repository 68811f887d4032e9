#!/usr/bin/env bash
# Runs the board with the desktop's accessibility bus and checks it through that
# bus, or runs Qt tests with the bus there. Start it in a session bus on an X
# display of its own:
#   dbus-run-session -- xvfb-run -a accessibility.sh PROGRAM
#   dbus-run-session -- xvfb-run -a accessibility.sh --qt-tests TEST_PROGRAM
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1

/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
trap 'kill $bus ${board_pid:-} 2>/dev/null || true' EXIT
# Qt joins the bus when it finds a screen reader running, or when told to always.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
if [ "$program" = --qt-tests ]; then
  QT_QPA_PLATFORM=xcb "$2"
  exit
fi
. "$here/../../scripts/lib/virtual-display.sh"
open_board "$program"
/usr/bin/python3 "$here/accessibility_check.py"
