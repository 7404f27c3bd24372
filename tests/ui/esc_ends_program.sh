#!/usr/bin/env bash
# Starts the built program under the X server of xvfb-run, waits for its window, presses Esc
# in it and expects the program to end with status 0.
set -euo pipefail
program=$1
"$program" &
pid=$!
window=$(timeout 60 xdotool search --sync --name '^Parceliov1\.4$' | head -n 1)
xdotool windowfocus --sync "$window" key Escape
status=0
timeout 60 tail --pid="$pid" -f /dev/null || { kill "$pid"; echo "program still running"; exit 1; }
wait "$pid" || status=$?
echo "program ended with status $status"
exit "$status"
