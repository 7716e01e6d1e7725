#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vendrel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Starts the built program on a virtual X display, waits for its window and writes a picture of
# the screen to the PNG file named (default: kalvora-screenshot.png). The program gets a private
# settings folder, so the picture shows the first-start state and no real settings change.
# Usage: scripts/screenshot.sh [output.png]   (the build folder is $KALVORA_BUILD_DIR or ./build)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${KALVORA_BUILD_DIR:-$top/build}
out=$(realpath -m "${1:-kalvora-screenshot.png}")
program="$build/bin/kalvora"
[ -x "$program" ] || { echo "screenshot: $program is not built" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/config" "$scratch/runtime"

# The inner script runs on the virtual display: start the program, wait for its window to be
# mapped, take the picture, end the program.
cat >"$scratch/shoot.sh" <<'INNER'
set -eu
"$1" &
pid=$!
for _ in $(seq 1 100); do
    if xwininfo -root -tree 2>/dev/null | grep -q '"Kalvora"'; then break; fi
    sleep 0.1
done
sleep 1
import -window root "$2"
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
INNER

XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1100x560x24" sh "$scratch/shoot.sh" "$program" "$out"
echo "screenshot: $out"
