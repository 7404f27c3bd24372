#!/bin/sh
# Stands in for the web browser in window tests: notes each address it is asked to open, one
# line each, in the file named by PARCELIO_OPENED_ADDRESSES.
printf '%s\n' "$1" >> "$PARCELIO_OPENED_ADDRESSES"
