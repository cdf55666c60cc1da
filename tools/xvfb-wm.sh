#!/usr/bin/env bash
# Runs a command in Xvfb with a window manager (openbox), so its windows get frames, activation and
# maximise as on a desktop. Xvfb alone has none of these, and focus faults that every desktop user
# meets never show there.
# Usage: tools/xvfb-wm.sh WIDTHxHEIGHT command [args...]
# The command sees RP_WINDOW_MANAGER=openbox once the window manager has taken the screen.
set -uo pipefail
size=$1
shift
if ! command -v openbox >/dev/null || ! command -v xprop >/dev/null; then
    echo "openbox and xprop are needed (bash tools/install-deps.sh installs them)" >&2
    exit 1
fi
exec xvfb-run -a -s "-screen 0 ${size}x24" bash -c '
    # The configuration openbox comes with, not one a user of this machine set.
    cfg=$(mktemp -d)
    XDG_CONFIG_HOME=$cfg openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    # The window manager has taken the screen once it names itself on the root window.
    for _ in $(seq 1 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
        sleep 0.1
    done
    if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
        echo "the window manager did not start" >&2
        kill $wm 2>/dev/null
        exit 1
    fi
    RP_WINDOW_MANAGER=openbox "$@"
    rc=$?
    kill $wm 2>/dev/null
    wait $wm 2>/dev/null
    rm -rf "$cfg"
    exit $rc' xvfb-wm "$@"
