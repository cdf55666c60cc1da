#!/bin/bash
# radioprog --help must answer on a terminal without any display: exit status 0 and the help text.
# $1: the program.
set -u
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" --help 2>&1)
status=$?
if [ "$status" -ne 0 ]; then
    echo "exit status $status:"
    echo "$out"
    exit 1
fi
if ! grep -q 'Reads, edits, stores and writes' <<<"$out" || ! grep -q -- '--print' <<<"$out"; then
    echo "no help text:"
    echo "$out"
    exit 1
fi
