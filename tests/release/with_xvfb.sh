#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quarv Games

# Runs a command on an X server of its own. Xvfb picks a free display number
# itself (-displayfd), so runs beside each other never share a server, as two
# `xvfb-run -a` started at the same moment can. The server does not reset when
# its last client leaves (-noreset): during a reset it refuses connections,
# and a program started just then would fail to open its display.
# usage: with_xvfb.sh <command> [arguments...]
set -euo pipefail
fifo_dir=$(mktemp -d)
mkfifo "$fifo_dir/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fifo_dir/display" 2>"$fifo_dir/log" &
server=$!
cleanup() {
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
    rm -rf "$fifo_dir"
}
trap cleanup EXIT
number=
read -r -t 30 number <"$fifo_dir/display" || true
if [ -z "$number" ]; then
    cat "$fifo_dir/log" >&2
    echo "FAIL: Xvfb did not start" >&2
    exit 1
fi
export DISPLAY=:$number
unset XAUTHORITY
status=0
"$@" || status=$?
if [ "$status" -ne 0 ]; then
    echo "-- the X server's log:" >&2
    cat "$fifo_dir/log" >&2
fi
exit "$status"
