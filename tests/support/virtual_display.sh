#!/bin/sh
# Runs a command in a virtual X server of its own. The server picks a free display number itself
# and reports it (-displayfd), so test programs started at the same moment never race for one.
#   virtual_display.sh WIDTHxHEIGHTxDEPTH COMMAND [ARGUMENT ...]
screen=$1
shift
folder=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$folder/display" 2>"$folder/log" &
server=$!
trap 'kill "$server" 2>/dev/null; rm -rf "$folder"' EXIT
trap 'exit 143' TERM INT
while [ ! -s "$folder/display" ]; do
  if ! kill -0 "$server" 2>/dev/null; then
    cat "$folder/log" >&2
    exit 1
  fi
  sleep 0.1
done
DISPLAY=:$(cat "$folder/display")
export DISPLAY
"$@"
