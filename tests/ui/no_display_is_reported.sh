#!/usr/bin/env bash
# Starts the built program with a display that does not exist: it must end with status 1 and say
# on standard error that the window system could not be started, rather than end without a word.
set -uo pipefail
program=$1
errors=$(DISPLAY=:4099 WAYLAND_DISPLAY= "$program" 2>&1 >/dev/null)
status=$?
echo "program ended with status $status: $errors"
[ "$status" -eq 1 ] || exit 1
grep -q 'the window system could not be started' <<<"$errors"
