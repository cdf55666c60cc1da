#!/bin/bash
# exchange_bench answers --help and -h with its usage and status 0, without timing anything, and
# refuses an argument it does not know with status 2 and a message naming it. $1: the program.
set -u
for option in --help -h; do
    out=$(timeout 20 "$1" "$option" 2>&1)
    status=$?
    if [ "$status" -ne 0 ] || ! grep -q '^usage: exchange_bench' <<<"$out" || grep -q '^data  *line' <<<"$out"; then
        echo "$option: exit status $status, not the usage alone:"
        echo "$out"
        exit 1
    fi
done
for args in "pace" "paced reed" "paced read new extra"; do
    # shellcheck disable=SC2086  # the words are separate arguments
    err=$(timeout 20 "$1" $args 2>&1 >/dev/null)
    status=$?
    if [ "$status" -ne 2 ] || ! grep -q -- "${args##* }" <<<"$err"; then
        echo "$args: exit status $status, or the message does not name the argument:"
        echo "$err"
        exit 1
    fi
done
