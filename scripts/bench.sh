#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quarv Games

# Measures the game on this machine in a Release build (build-release/):
#   1. start-up: from process start to the main window being mapped under
#      Xvfb, and the resident memory one second later (median of 10 runs);
#   2. one drag step of a large triangle in the real main window (offscreen);
#   3. the engine benchmarks.
# Targets: start-up under 100 ms, VmRSS under 45 MB, drag step under 50 us.
#
# usage: scripts/bench.sh [build folder]   (default build-release/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-release}
"$root/scripts/setup.sh" test

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTANGRAM_BENCHMARKS=ON >/dev/null
echo "building in $build"
cmake --build "$build" --target quarv-tangram catalogue startup_clock bare_window drag_step \
    engine_bench setup_bench >"$build/bench-build.log" 2>&1 || { cat "$build/bench-build.log"; exit 1; }

# A user of our own who has chosen English before, so no first-start dialog
# asks for the language; sound stays on as a player has it.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data"
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME/QuarvGames" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '[V2]\ncommon\\tongue=0\ncommon\\sound=1\n' >"$XDG_CONFIG_HOME/QuarvGames/QuarvTangram.conf"

echo
echo "== 1. start-up: the first window (the opening animation) and the main window mapped,"
echo "      VmRSS one second later (Xvfb)"
xvfb-run -a -s "-screen 0 1024x768x24" \
    "$build/bin/startup_clock" 10 "Quarv Tangram" "$build/bin/quarv-tangram"
echo "-- for comparison, a bare Qt Widgets window with nothing in it:"
xvfb-run -a -s "-screen 0 1024x768x24" \
    "$build/bin/startup_clock" 10 "Quarv Tangram" "$build/bin/bare_window" | tail -n 1

echo
echo "== 2. dragging a large triangle across the board (offscreen)"
QT_QPA_PLATFORM=offscreen "$build/bin/drag_step" 1000 2>/dev/null

echo
echo "== 3. engine"
"$build/bin/engine_bench" 2>/dev/null
"$build/bin/setup_bench" 2>/dev/null
