#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quarv Games

# The figures' names on screen, on the real program with the shipped catalogue
# and its names file: hovering the pattern window and a thumbnail of the
# selection dialog brings up their tooltips, in English and in German. The
# four screenshots are kept for a person to read the tooltips.
# usage: names_tooltips.sh <quarv-tangram> <screenshot folder>
set -euo pipefail
game=$1 shots=$2
. "$(dirname "$0")/lib.sh"

here=$(dirname "$game")
cp "$game" "$work/quarv-tangram"
cp "$here/mexa.dat" "$here/mexa.names" "$work/"

# The first animal of the catalogue: the names file lists the figures in
# catalogue order after its header and category lines.
level=$(awk -F'\t' '$1 == "figure" && ++n && $3 == 3 { print n; exit }' "$work/mexa.names")
[ -n "$level" ] || fail "the names file names no animal"

# How many pixels of the screenshot differ from the other one within a box.
changed() {  # <a.png> <b.png> <width>x<height>+<x>+<y>
    convert "$1" -crop "$3" +repage "$work/a.png"
    convert "$2" -crop "$3" +repage "$work/b.png"
    compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1 | cut -d' ' -f1 || true
}

# Rests the mouse on a point until the tooltip is up, and takes a screenshot.
hover() {  # <x> <y> <screenshot> <box around the point that the tooltip covers>
    xdotool mousemove 5 5
    sleep 1.2
    import -window root "$work/before.png"
    xdotool mousemove "$1" "$2"
    sleep 0.2
    xdotool mousemove_relative 1 1
    local n=0
    for _ in $(seq 30); do
        sleep 0.2
        import -window root "$3"
        n=$(changed "$work/before.png" "$3" "$4")
        [ "$n" -gt 300 ] && return 0
    done
    fail "no tooltip at $1,$2 ($n pixels changed)"
}

play_language() {  # <tongue> <suffix> <selection dialog title>
    pid=
    mkdir -p "${settings%/*}"
    printf '[V2]\ncommon\\tongue=%s\ncommon\\sound=0\ncommon\\level=%s\n' "$1" "$level" >"$settings"
    start_game '^Quarv Tangram$' "^$level\$"

    # shellcheck disable=SC2034 # SCREEN and WINDOW come with the geometry
    local WIDTH HEIGHT X Y SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$pattern")"
    hover $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) "$shots/pattern-$2.png" \
        "400x120+$((X + WIDTH / 2))+$((Y + HEIGHT / 2))"

    tool_button 124 # SelectBtn
    local select
    select=$(wait_window "^$3\$") || fail "no selection dialog titled '$3'"
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$select")"
    # The middle of the second thumbnail (the box lies 20 pixels in).
    hover $((X + 20 + 130 + 60)) $((Y + 20 + 55)) "$shots/select-$2.png" \
        "420x90+$((X + 20 + 130 + 60))+$((Y + 20 + 55))"
    xdotool key Escape
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

play_language 0 en 'Select Tangram'
play_language 1 de 'Tangram wählen'
echo "tooltips of figure $level in $shots"
