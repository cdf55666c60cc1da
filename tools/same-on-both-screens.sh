#!/bin/bash
# Compares what the real-window tests recorded on two screen sizes (tests/ui/ScreenRecord.h):
# the same files, each with the same content. Usage: same-on-both-screens.sh DIR1 DIR2
set -u
a=$1
b=$2
for d in "$a" "$b"; do
    if [ -z "$(ls -A "$d" 2>/dev/null)" ]; then
        echo "nothing recorded in $d"
        exit 1
    fi
done
diff -r -u "$a" "$b"
