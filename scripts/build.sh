#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vendrel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs what is missing, then configures and builds Kalvora in ./build (or $KALVORA_BUILD_DIR).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${KALVORA_BUILD_DIR:-$top/build}
bash "$top/scripts/install-deps.sh"
generator=()
command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
[ -f "$build/CMakeCache.txt" ] && generator=()
cmake -S "$top" -B "$build" "${generator[@]}" -DKALVORA_WERROR="${KALVORA_WERROR:-OFF}" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
