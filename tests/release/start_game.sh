#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quarv Games

# Starts the game on the X display this runs on (xvfb-run provides one) as a
# user of its own, waits until its main window exists, and ends it.
# usage: start_game.sh <executable>
set -euo pipefail
game=$1
home=$(mktemp -d)
pid=
cleanup() {
    # SIGTERM makes the game save its settings on the way out: let it finish
    # before its home goes.
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$home"
}
trap cleanup EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share
export XDG_RUNTIME_DIR=$home/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

"$game" &
pid=$!
if ! main=$(timeout 30 xdotool search --sync --name '^Quarv Tangram$' | head -n 1) || [ -z "$main" ]; then
    echo "FAIL: no main window within 30 seconds" >&2
    exit 1
fi
kill -0 "$pid" || { echo "FAIL: the game ended" >&2; exit 1; }
echo "main window $main is up"
