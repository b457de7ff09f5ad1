#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quarv Games

# Installs what building and testing need, builds everything and runs every
# test: in a normal build, under AddressSanitizer and UndefinedBehaviorSanitizer,
# and the fuzz targets.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" test

# No test may see the user's real settings or files.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
jobs=$(nproc)

echo "== normal build"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTANGRAM_TESTS=ON -DTANGRAM_BENCHMARKS=ON
cmake --build "$root/build" -j "$jobs"
ctest --test-dir "$root/build" --output-on-failure -j "$jobs"

echo "== sanitizer build"
cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DTANGRAM_SANITIZE=ON -DTANGRAM_BENCHMARKS=OFF
cmake --build "$root/build-asan" -j "$jobs"
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$root/build-asan" --output-on-failure -j "$jobs"

echo "== fuzz build (clang, libFuzzer with address and undefined sanitizers)"
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DTANGRAM_FUZZ=ON -DTANGRAM_SANITIZE=ON -DTANGRAM_UI=OFF -DTANGRAM_BENCHMARKS=OFF
cmake --build "$root/build-fuzz" -j "$jobs"
# Each target fuzzes for a fixed time, so running one more at once than there
# are cores ends the six targets in two rounds on two cores instead of three.
ctest --test-dir "$root/build-fuzz" --output-on-failure -j "$((jobs + 1))" -L fuzz
