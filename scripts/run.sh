#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vendrel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs what is missing, builds Kalvora in ./build-run (or $KALVORA_BUILD_DIR) and starts it.
# The test command builds into ./build with warnings as errors; keeping the two apart means
# switching between them never rebuilds everything.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
export KALVORA_BUILD_DIR=${KALVORA_BUILD_DIR:-$top/build-run}
bash "$top/scripts/build.sh"
exec "$KALVORA_BUILD_DIR/bin/kalvora" "$@"
