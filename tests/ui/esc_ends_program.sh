#!/usr/bin/env bash
# Starts the built program under the virtual X server it is given, with its presence picture's host
# silent (a proxy on this machine that never answers), waits for its window, presses Esc in it
# and expects the program to end with status 0.
set -euo pipefail
program=$1
fixture_service=$2
folder=$(mktemp -d)
"$fixture_service" --port-file "$folder/port" --delay-ms 600000 > /dev/null &
proxy=$!
trap 'kill "$proxy" 2> /dev/null; rm -rf "$folder"' EXIT
timeout 30 bash -c "until [ -s '$folder/port' ]; do sleep 0.1; done"
http_proxy="http://127.0.0.1:$(cat "$folder/port")" "$program" &
pid=$!
window=$(timeout 60 xdotool search --sync --name '^Parceliov1\.4$' | head -n 1)
xdotool windowfocus --sync "$window" keydown Escape sleep 0.05 keyup Escape
status=0
timeout 60 tail --pid="$pid" -f /dev/null || { kill "$pid"; echo "program still running"; exit 1; }
wait "$pid" || status=$?
echo "program ended with status $status"
exit "$status"
