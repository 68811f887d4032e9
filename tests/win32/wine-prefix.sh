#!/usr/bin/env bash
# The tests' own Wine prefix inside the build tree, so that they never touch a
# user's Wine and start the same on a fresh machine.
#   wine-prefix.sh start   create and boot the prefix once (no-op when it exists)
#   wine-prefix.sh stop    end its Wine server, so that nothing is left running
# WINEPREFIX and the other Wine settings come from the environment (wine_env).
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must name the tests\' prefix}"
# shellcheck source=../../scripts/lib/wine.sh
. "$(dirname "$0")/../../scripts/lib/wine.sh"

case "${1:-}" in
  start)
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      mkdir -p "$WINEPREFIX"
      timeout 300 wine wineboot --init || { echo "wineboot had not made the prefix within 300 s" >&2; exit 1; }
      # The virtual display runs no window manager. Left to expect one, Wine would
      # wait two seconds for it every time a window is hidden or closed.
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
    fi
    wine_wait 120 "the prefix's start-up"
    ;;
  stop)
    wineserver --kill 2>/dev/null || true
    ;;
  *)
    echo "usage: wine-prefix.sh start|stop" >&2
    exit 2
    ;;
esac
