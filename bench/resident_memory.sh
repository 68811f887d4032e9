#!/usr/bin/env bash
# Starts the real program on a virtual X display, waits until its window is
# shown and has had time to paint, and prints the program's resident memory
# then (VmRSS) and at its peak so far (VmHWM), in KiB:
#   rss_kib=31532
#   hwm_kib=31532
# Usage: bench/resident_memory.sh PROGRAM
set -euo pipefail
program=$(realpath "$1")

xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" bash -c '
  "$1" 2>/dev/null & board=$!
  trap "kill $board 2>/dev/null || true" EXIT
  # The window by its title, mapped; then a moment for the first frame.
  timeout 30 xdotool search --sync --onlyvisible --name "^Form2\$" >/dev/null
  sleep 1
  awk "/^VmRSS:/ { print \"rss_kib=\" \$2 } /^VmHWM:/ { print \"hwm_kib=\" \$2 }" /proc/$board/status
' _ "$program"
