#!/bin/bash
# radioprog answers on a terminal without any display: --help with exit status 0 and the help
# text, an option it does not know with exit status 2 and a message naming it on stderr.
# $1: the program.
set -u
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
out=$("${nodisplay[@]}" "$1" --help 2>&1)
status=$?
if [ "$status" -ne 0 ]; then
    echo "--help: exit status $status:"
    echo "$out"
    exit 1
fi
if ! grep -q 'Reads, edits, stores and writes' <<<"$out" || ! grep -q -- '--print' <<<"$out"; then
    echo "--help: no help text:"
    echo "$out"
    exit 1
fi

for option in --no-such-option -nosuchoption; do
    err=$("${nodisplay[@]}" "$1" "$option" 2>&1 >/dev/null)
    status=$?
    if [ "$status" -ne 2 ]; then
        echo "$option: exit status $status, not 2:"
        echo "$err"
        exit 1
    fi
    if ! grep -q -- "${option##*-}" <<<"$err"; then
        echo "$option: the message does not name the option:"
        echo "$err"
        exit 1
    fi
done
