#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vendrel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Shows, as a person would see it, that every choice survives a restart. On a virtual X display
# with a window manager, starts the built program with fresh settings, and with the mouse and the
# keyboard: types a date, a time and a custom text, chooses "Stamp With User Specified
# Date/Time", the position Lower-Right, the font Liberation Serif Bold 24 and a gold colour in
# their dialogs, the quality 60 and an output folder through "...". It then closes the window with
# Alt+F4, starts the program again and writes a picture of the screen to the PNG file named
# (default: kalvora-restored.png). The settings file is printed at the end.
# Usage: scripts/restore-screenshot.sh [output.png]   (the build folder is $KALVORA_BUILD_DIR or
# ./build)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${KALVORA_BUILD_DIR:-$top/build}
out=$(realpath -m "${1:-kalvora-restored.png}")
program="$build/bin/kalvora"
[ -x "$program" ] || { echo "restore-screenshot: $program is not built" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/config" "$scratch/runtime"
mkdir -p "$scratch/Stamped Photos"

cat >"$scratch/session.sh" <<'INNER'
set -eu
program=$1 out=$2 folder=$3
openbox >/dev/null 2>&1 &
sleep 1

start() {
    "$program" >/dev/null 2>&1 &
    pid=$!
    win=$(xdotool search --sync --onlyvisible --name '^Kalvora$' | head -1)
    xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
    sleep 1
}
# Clicks at a point of the main window, in pixels from its top-left corner.
click() { xdotool mousemove --window "$win" "$1" "$2" click 1; sleep 0.4; }
typeover() { xdotool key ctrl+a; xdotool type --delay 30 "$1"; sleep 0.3; }
dialog() { sleep 1.2; }

start
# The texts: date, time, custom text (places from the window's layout, in pixels).
click 150 371; typeover '24.12.2024'
click 350 371; typeover '18:30'
click 274 454; typeover 'Lake Bled, summer'
# The source: the date and time typed above.
click 34 348
# The position: Lower-Right, by keys on the closed list.
click 665 35; xdotool key Escape; xdotool key Home Down Down Down; sleep 0.3
# The font, in Qt's font dialog: family, style and size by their shortcuts.
click 664 298; dialog
xdotool key alt+f; typeover 'Liberation Serif'
xdotool key alt+y; typeover 'Bold'
xdotool key alt+s; typeover '24'
xdotool key Return; sleep 0.5
# The colour, in Qt's colour dialog: a gold.
click 984 35; dialog
xdotool key alt+h; typeover '#ffc000'; xdotool key Return; sleep 0.5
# The quality: from 100 down eight pages of five to 60.
click 772 96; xdotool key End; for _ in 1 2 3 4 5 6 7 8; do xdotool key Next; done; sleep 0.3
# The output folder, typed into the folder dialog.
click 988 381; dialog
typeover "$folder"; xdotool key Return; sleep 1

# Close the window as a person does, and start again.
xdotool key alt+F4
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then echo "the program did not end when its window closed" >&2; exit 1; fi
start
sleep 1
import -window root "$out"
kill "$pid"
INNER

XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=xcb \
    LANG=en_US.UTF-8 xvfb-run -a -s "-screen 0 1180x640x24" \
    sh "$scratch/session.sh" "$program" "$out" "$scratch/Stamped Photos"
echo "restore-screenshot: $out"
cat "$scratch/config/Vendrel/Kalvora.ini"
