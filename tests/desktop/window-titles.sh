#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vendrel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# window-titles.sh BIN: starts the program under Xvfb with a window manager, as a person's
# desktop would show it, and reads each window's title from the desktop (_NET_WM_NAME, which
# the window manager shows in the title bar): the error box of a start with an unreadable
# setting, the main window, the "Stamp Style" window and the file dialog of "Add Image File(s)".
set -u
bin=$1
for tool in xvfb-run openbox xdotool xprop; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config/Vendrel"
printf '[Kalvora]\nSizeMode=sideways\n' > "$work/config/Vendrel/Kalvora.ini"
export HOME=$work XDG_CONFIG_HOME=$work/config
export -n QT_QPA_PLATFORM
export BIN=$bin
xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
    fail=0
    openbox >/dev/null 2>&1 &
    for i in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.1; done
    "$BIN/kalvora" >/dev/null 2>&1 &
    # The window whose title starts with the words of $1 before any "(", within 20 s.
    wait_for() {
        local start=${1%%(*}
        for i in $(seq 200); do
            w=$(xdotool search --onlyvisible --name "^$start" 2>/dev/null | head -1)
            [ -n "$w" ] && { echo "$w"; return; }
            sleep 0.1
        done
    }
    expect() {
        local w
        w=$(wait_for "$1")
        if [ -z "$w" ]; then echo "FAIL: no window titled \"$1\""; fail=1; return; fi
        local shown
        shown=$(xprop -id "$w" _NET_WM_NAME | sed -n "s/^_NET_WM_NAME(UTF8_STRING) = \"\(.*\)\"$/\1/p")
        if [ "$shown" = "$1" ]; then echo "PASS: \"$shown\""; else echo "FAIL: \"$shown\", not \"$1\""; fail=1; fi
        echo "$w" > /tmp/.kalvora-title-window.$$
    }
    expect "Application Error"
    xdotool key --window "$(cat /tmp/.kalvora-title-window.$$)" Return 2>/dev/null
    expect "Kalvora"
    main=$(cat /tmp/.kalvora-title-window.$$)
    # "Stamp Style..." and "Add Image File(s)" at their places in the window.
    xdotool mousemove --window "$main" 430 401 click 1
    expect "Stamp Style"
    xdotool key --window "$(cat /tmp/.kalvora-title-window.$$)" Escape 2>/dev/null
    xdotool mousemove --window "$main" 130 196 click 1
    expect "Add File(s) - Hold Ctrl or Shift to select multiple files"
    xdotool key --window "$(cat /tmp/.kalvora-title-window.$$)" Escape 2>/dev/null
    rm -f /tmp/.kalvora-title-window.$$
    kill %2 2>/dev/null
    exit $fail
'
