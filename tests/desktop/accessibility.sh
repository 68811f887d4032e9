#!/usr/bin/env bash
# Runs the board with the desktop's accessibility bus and checks it through that
# bus. Start it in a session bus on an X display of its own:
#   dbus-run-session -- xvfb-run -a accessibility.sh PROGRAM
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1

/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
# Qt joins the bus when it finds a screen reader running, or when told to always.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" &
pid=$!
trap 'kill $pid $bus 2>/dev/null || true' EXIT

timeout 30 xdotool search --sync --name '^Form2$' >/dev/null
/usr/bin/python3 "$here/accessibility_check.py"
