#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quarv Games

# Plays the classic square to the end on the real program, with the mouse, on
# the X display this runs on (xvfb-run provides one), and checks the screen.
# usage: solve_square.sh <quarv-tangram> <e2e_plan> <screenshot folder>
set -euo pipefail
game=$1 plan=$2 shots=$3
. "$(dirname "$0")/lib.sh"

# The program with a catalogue of one puzzle, the square, and a user who has
# chosen English and switched the sound off.
install_game "$game" 1
seed_english_silent
start_game '^Quarv Tangram$' '^1$'
# The language is stored, so only the info dialog greets the player.
[[ $confirmed == *"Quarv Games - Freeware-Info;"* ]] || fail "no info dialog at start: $confirmed"
[[ $confirmed == *"Quarv Tangram V2.9;"* ]] && fail "the stored language was asked again"

find_board
import -window root "$shots/1-start.png"

"$plan" "$work/mexa.dat" "$cell" >"$work/plan.txt" || fail "no plan"
play_plan "$work/plan.txt" 2 "$shots/2-holding.png"

# The "won" message is a window of its own over the main window.
won=
for _ in $(seq 50); do
    for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null || true); do
        [ "$id" = "$main" ] || [ "$id" = "$pattern" ] || won=$id
    done
    [ -n "$won" ] && break
    sleep 0.1
done
[ -n "$won" ] || fail "no message after the last Tan"
sleep 0.3
import -window root "$shots/3-won.png"
xdotool windowfocus --sync "$won" 2>/dev/null || true
xdotool key Return
sleep 0.8
import -window root "$shots/4-solved.png"
xdotool search --onlyvisible --name '^1 - solved$' >/dev/null || fail "pattern window not marked solved"

while read -r what a b _; do
    [ "$what" = green ] || continue
    colour=$(pixel "$shots/4-solved.png" $((box_x + a)) $((box_y + b)))
    [ "$colour" = "#00FF00" ] || fail "Tan at board pixel $a,$b shows $colour, not green"
done <"$work/plan.txt"
[ "$(pixel "$shots/4-solved.png" $((box_x + 3)) $((box_y + 3)))" = "#C0C0C0" ] || fail "board corner not silver"
echo "solved; screenshots in $shots"
