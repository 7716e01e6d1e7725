#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vendrel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Draws src/imagelist/drag.ico, the pointer a dragged list entry shows: a 32 x 32 up-and-down
# arrow, white with a black edge, centred, since an icon file carries no hot spot and Qt puts
# it in the middle. Needs ImageMagick. The result is committed; run this only to change it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
convert -size 32x32 xc:none -fill white -stroke black -strokewidth 1 \
    -draw "polygon 16,2 24,11 19,11 19,21 24,21 16,30 8,21 13,21 13,11 8,11" \
    -define icon:auto-resize=32 "ICO:$top/src/imagelist/drag.ico"
