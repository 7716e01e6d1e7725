#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vendrel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Drives the built program on a virtual X display as a person would, and writes a picture of
# the screen with the preview window (default: kalvora-preview.png): a 12-megapixel photo is
# added through "Add Image File(s)", the position set to "Lower-Right", "Preview Stamp"
# pressed, and the preview's scroll bars dragged to their ends, where the stamp is.
# Usage: scripts/preview-screenshot.sh [output.png]  (the build folder is $KALVORA_BUILD_DIR or
# ./build)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${KALVORA_BUILD_DIR:-$top/build}
out=$(realpath -m "${1:-kalvora-preview.png}")
for program in kalvora kalvora-make-samples; do
    [ -x "$build/bin/$program" ] || { echo "preview-screenshot: $program is not built" >&2; exit 1; }
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/config" "$scratch/runtime"
photo="$scratch/Photo 12MP.jpg"
"$build/bin/kalvora-make-samples" --photo 4000 3000 "$photo"

cat >"$scratch/drive.sh" <<'INNER'
set -eu
program=$1 photo=$2 out=$3
"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
main=$(xdotool search --sync --onlyvisible --name '^Kalvora$' | head -n 1)
sleep 1
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.5; }

# Position: open the list and step down from "Upper-Left" to "Lower-Right".
click "$main" 665 35
xdotool key Down Down Down Return
sleep 0.5
# Add Image File(s): type the photo's path into the file dialog.
click "$main" 136 196
xdotool type --delay 20 "$photo"
xdotool key Return
sleep 1
# Preview Stamp, then wait for the preview window to take the main window's place.
click "$main" 928 298
preview=
for _ in $(seq 1 100); do
    preview=$(xdotool search --onlyvisible --name '^Kalvora$' | head -n 1 || true)
    if [ -n "$preview" ] && [ "$preview" != "$main" ]; then break; fi
    sleep 0.1
done
[ -n "$preview" ] && [ "$preview" != "$main" ] || { echo "no preview window" >&2; exit 1; }
sleep 1
# Drag each scroll bar's handle from its start to its far end.
xdotool mousemove --window "$preview" 519 80 mousedown 1 mousemove --window "$preview" 519 420 mouseup 1
sleep 0.5
xdotool mousemove --window "$preview" 50 418 mousedown 1 mousemove --window "$preview" 530 418 mouseup 1
sleep 1
import -window root "$out"
INNER

XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1100x560x24" sh "$scratch/drive.sh" "$build/bin/kalvora" "$photo" "$out"
echo "preview-screenshot: $out"
