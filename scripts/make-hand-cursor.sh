#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vendrel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Draws data/HAND-M.CUR, the hand pointer shown over the main window's push buttons: a 32 x 32
# hand, white with a black edge, its index finger pointing up. ImageMagick writes it as an icon;
# a cursor file is the same with type 2 in its header and the hot spot (the fingertip) where an
# icon keeps its planes and bit count. Needs ImageMagick. The result is committed; run this only
# to change it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out="$top/data/HAND-M.CUR"
hot_x=12
hot_y=1

convert -size 32x32 xc:none -fill white -stroke black -strokewidth 1 \
    -draw "polygon 10,3 11,1 13,1 14,3 14,12 16,11 18,12 20,12 22,13 24,14 25,16 25,24 23,28 11,28 8,24 4,19 4,17 6,16 10,19" \
    -draw "line 14,13 14,18" -draw "line 18,13 18,18" -draw "line 22,14 22,18" \
    -define icon:auto-resize=32 "ICO:$out"

# Little-endian 16-bit value $2 at byte offset $1.
put16() {
    printf "\\x$(printf %02x $(($2 & 255)))\\x$(printf %02x $(($2 >> 8)))" |
        dd of="$out" bs=1 seek="$1" conv=notrunc status=none
}
put16 2 2         # type: cursor
put16 10 "$hot_x" # first entry: hot spot x
put16 12 "$hot_y" # first entry: hot spot y
