#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quarv Games

# Installs what building and playing need, builds the game and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" play
# A first build leaves out the tests, whose tools only scripts/test.sh
# installs; a build folder configured before keeps its choice.
options=()
if [ ! -f "$root/build/CMakeCache.txt" ]; then
    options=(-DTANGRAM_TESTS=OFF -DTANGRAM_BENCHMARKS=OFF)
fi
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null
cmake --build "$root/build" --target quarv-tangram
exec "$root/build/bin/quarv-tangram"
