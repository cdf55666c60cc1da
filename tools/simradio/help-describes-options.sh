#!/bin/bash
# simradio --help answers with status 0 and gives every option the program takes a line of its
# own that says what it does. $1: the program, $2: its main source file.
set -u
out=$("$1" --help 2>&1)
status=$?
if [ "$status" -ne 0 ]; then
    echo "simradio --help: exit status $status"
    exit 1
fi
options=$(grep -o 'a == "--[a-z-]*"' "$2" | grep -o -- '--[a-z-]*' | sort -u)
[ -n "$options" ] || { echo "no options found in $2"; exit 1; }
fail=0
for o in $options; do
    # "  --option [ARG]   a description of at least three words"
    if ! grep -Eq -- "^  $o( [A-Z|N-]+)? +[^ ]+ [^ ]+ [^ ]+" <<<"$out"; then
        echo "no description of $o"
        fail=1
    fi
done
[ $fail -eq 0 ] || { echo "$out"; exit 1; }
