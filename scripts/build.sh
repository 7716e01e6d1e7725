#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vendrel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs what is missing, then configures and builds Kalvora in ./build (or $KALVORA_BUILD_DIR).
# With KALVORA_SANITIZE=ON everything is built with AddressSanitizer and
# UndefinedBehaviorSanitizer, in ./build-asan unless $KALVORA_BUILD_DIR names another folder.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
sanitize=OFF
case "${KALVORA_SANITIZE:-}" in ON | on | 1 | true | yes) sanitize=ON ;; esac
default_build=$top/build
[ "$sanitize" = ON ] && default_build=$top/build-asan
build=${KALVORA_BUILD_DIR:-$default_build}
bash "$top/scripts/install-deps.sh"
generator=()
command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
[ -f "$build/CMakeCache.txt" ] && generator=()
cmake -S "$top" -B "$build" "${generator[@]}" -DKALVORA_WERROR="${KALVORA_WERROR:-OFF}" \
    -DKALVORA_SANITIZE="$sanitize" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
