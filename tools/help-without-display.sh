#!/bin/bash
# radioprog answers on a terminal without any display: --help (and its other spellings) with exit
# status 0 and the help text, which offers only options the program explains; an option it does not
# know with exit status 2 and a message naming it on stderr.
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

# Qt's --help-all would promise the window system's options too, which the program neither lists
# nor could without a display: it is not offered.
if grep -q -- 'help-all' <<<"$out"; then
    echo "--help offers --help-all:"
    echo "$out"
    exit 1
fi
for option in -h -help '-?'; do
    other=$("${nodisplay[@]}" "$1" "$option" 2>&1)
    status=$?
    if [ "$status" -ne 0 ] || [ "$other" != "$out" ]; then
        echo "$option: exit status $status, not the help of --help:"
        echo "$other"
        exit 1
    fi
done

for option in --no-such-option -nosuchoption --help-all; do
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

# The program opens no file named on its command line: a loose argument is refused as an unknown
# option is, rather than passed over while the program starts with new data.
for args in "FILE.dat" "--print stray" "-reverse stray" "-- FILE.dat"; do
    # shellcheck disable=SC2086  # the words are separate arguments
    err=$("${nodisplay[@]}" "$1" $args 2>&1 >/dev/null)
    status=$?
    if [ "$status" -ne 2 ] || ! grep -q -- "${args##* }" <<<"$err" || ! grep -q -- "--help" <<<"$err"; then
        echo "$args: exit status $status, not 2 with a message naming the argument:"
        echo "$err"
        exit 1
    fi
done

# The value after a window-system option is the window system's, not a loose argument: the program
# gets past its own check and stops only for want of a display.
err=$("${nodisplay[@]}" "$1" -platform xcb -display :65000 -style Fusion -qwindowtitle "a title" 2>&1 >/dev/null)
status=$?
if [ "$status" -eq 2 ] || [ "$status" -eq 0 ] || grep -q -- "Unexpected argument" <<<"$err"; then
    echo "window-system options with values: exit status $status:"
    echo "$err"
    exit 1
fi
