#!/usr/bin/env bash
# Runs the board with the desktop's accessibility bus and checks it through that
# bus, or runs Qt tests with the bus there. Start it in a session bus on an X
# display of its own:
#   dbus-run-session -- scripts/lib/on-virtual-display accessibility.sh PROGRAM
#   dbus-run-session -- scripts/lib/on-virtual-display accessibility.sh --qt-tests TEST_PROGRAM
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1
logs=${ORVANE_DISPLAY_LOGS:-$(mktemp -d)}

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$logs/at-spi-bus.log" 2>&1 &
bus=$!
trap 'kill $bus ${board_pid:-} 2>/dev/null || true' EXIT
# The bus is up once its launcher owns its name on the session bus and hands out its
# address; whatever asks before that may find no bus, or start a second launcher.
a11y_bus_up() {
  dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true &&
    dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
      2>/dev/null | grep -q unix:
}
for ((n = 0; n < 300; n++)); do
  a11y_bus_up && break
  kill -0 $bus 2>/dev/null || { echo "the accessibility bus launcher ended; its log:" >&2; cat "$logs/at-spi-bus.log" >&2; exit 1; }
  sleep 0.1
done
if ((n == 300)); then
  echo "the accessibility bus (org.a11y.Bus) gave no address within 30 s; the launcher's log:" >&2
  cat "$logs/at-spi-bus.log" >&2
  exit 1
fi
# Qt joins the bus when it finds a screen reader running, or when told to always.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
if [ "$program" = --qt-tests ]; then
  QT_QPA_PLATFORM=xcb "$2"
  exit
fi
. "$here/../../scripts/lib/virtual-display.sh"
open_board "$program"
/usr/bin/python3 "$here/accessibility_check.py"
