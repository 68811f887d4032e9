#!/usr/bin/env bash
# How both programs repaint after a click, side by side: the Qt program of the
# optimised tree TREE and Orvane.exe, built optimised in TREE-win32, clicked in
# turns on one virtual display (bench/win32_repaint_probe.py). Prints the figures
# against their goals and fails when one is missed; each round's figures go to
# TREE/results/win32-repaint.log.
#   bench/win32_repaint.sh TREE [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/builds.sh
. scripts/lib/wine.sh
tree=$1
rounds=${2:-5}
win32=$tree-win32
mkdir -p "$tree/results"
log=$tree/results/win32-repaint.log
{
  cmake --build "$tree" -j"$build_jobs" --target orvane frame_watch
  configure_win32 "$win32" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
  cmake --build "$win32" -j"$build_jobs" --target Orvane
} >"$log" 2>&1 || { cat "$log" >&2; exit 1; }

# A prefix of its own, made once, in which Wine expects no window manager.
wine_env "$PWD/$win32/wineprefix"
trap 'wineserver --kill 2>/dev/null || true' EXIT
scripts/lib/on-virtual-display --screen 1280x1024x24 tests/win32/wine-prefix.sh start >>"$log" 2>&1
scripts/lib/on-virtual-display --screen 1280x1024x24 /usr/bin/python3 bench/win32_repaint_probe.py \
  "$tree/bench/frame_watch" "$tree/orvane" "$win32/bin/Orvane.exe" "$rounds" 2>>"$log"
