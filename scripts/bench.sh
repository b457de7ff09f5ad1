#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quarv Games

# Measures the game on this machine in a Release build (build-release/):
#   1. start-up under Xvfb, side by side with a bare Qt window in turns (median
#      of 20 runs each): the first frame of the opening animation, the main
#      window mapped, the animation's length and its largest gap between two
#      frames, and the resident memory one second later;
#   2. one drag step of a large triangle in the real main window (offscreen);
#   3. the engine benchmarks.
# Targets: the first frame within 1.2 times the bare window's, the main window
# mapped at most 10 ms after the animation's end, VmRSS at most 40 MB (printed
# with the figures), drag step under 50 us.
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
echo "== 1. start-up: the opening animation's first frame and the main window mapped, beside"
echo "      a bare Qt Widgets window with nothing in it (Xvfb, in turns)"
xvfb-run -a -s "-screen 0 1024x768x24" \
    "$build/bin/startup_clock" 20 "Quarv Tangram" "$build/bin/quarv-tangram" \
    --beside "$build/bin/bare_window"

echo
echo "== 2. dragging a large triangle across the board (offscreen)"
QT_QPA_PLATFORM=offscreen "$build/bin/drag_step" 1000 2>/dev/null

echo
echo "== 3. engine"
"$build/bin/engine_bench" 2>/dev/null
"$build/bin/setup_bench" 2>/dev/null
