#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quarv Games

# Solves a puzzle on the real program, saves the game under a name through the
# real save dialog, quits, starts again and finds the puzzle solved: in the
# pattern window's title, in the statistics dialog and in the selection grid.
# Runs on the X display it is given (xvfb-run provides one).
# usage: save_and_resume.sh <quarv-tangram> <e2e_plan> <screenshot folder>
set -euo pipefail
game=$1 plan=$2 shots=$3
. "$(dirname "$0")/lib.sh"

# A catalogue of two puzzles, both the classic square, and a user who has
# chosen English and switched the sound off.
install_game "$game" 2
seed_english_silent

# Quits with the exit button and confirms what the program asks on the way.
quit_game() {
    tool_button 236  # ExitBtn
    for _ in $(seq 150); do
        kill -0 "$pid" 2>/dev/null || break
        dismiss_dialogs
        sleep 0.2
    done
    if kill -0 "$pid" 2>/dev/null; then fail "the program did not end"; fi
    wait "$pid" || true
    pid=
}

# ---- first run: solve puzzle 1 and save the game as week1

start_game '^Quarv Tangram$' '^1$'
find_board
"$plan" "$work/mexa.dat" "$cell" >"$work/plan.txt" || fail "no plan"
play_plan "$work/plan.txt"
# The pattern window says solved once "Hurrah, you did it!" is confirmed.
solved=
for _ in $(seq 60); do
    dismiss_dialogs
    solved=$(xdotool search --onlyvisible --name '^1 - solved$' 2>/dev/null || true)
    [ -n "$solved" ] && break
    sleep 0.5
done
[ -n "$solved" ] || fail "puzzle 1 not solved"

tool_button 52  # SaveBtn: an untitled game asks for a name
save=$(wait_window '^Save game$') || fail "no save dialog"
sleep 1
import -window root "$shots/1-save-dialog.png"
xdotool windowfocus --sync "$save" 2>/dev/null || true
xdotool type --delay 50 week1
xdotool key Return
wait_window '^Quarv Tangram - Game week1.mxg$' >/dev/null || fail "title does not name week1.mxg"
[ -f "$work/week1.mxg" ] || fail "week1.mxg not written beside the program"
[ "$(od -An -tu1 "$work/week1.mxg" | tr -s ' ')" = " 8 0" ] ||
    fail "week1.mxg holds $(od -An -tu1 "$work/week1.mxg")"
quit_game
grep -q "save=$work/week1.mxg" "$settings" || fail "the setting save does not name week1.mxg"

# ---- second run: the game comes back

start_game '^Quarv Tangram - Game week1.mxg$' '^1 - solved$'

tool_button 100  # StatBtn
stat=$(wait_window '^Tangram statistics for game week1$') || fail "no statistics dialog for week1"
sleep 1
import -window root "$shots/2-statistics.png"
import -window "$stat" "$shots/2-statistics-dialog.png"
# One of two solved: the bar is blue on its left half and grey on its right.
[ "$(pixel "$shots/2-statistics-dialog.png" 30 53)" = "#0080FF" ] || fail "statistics bar not filled"
[ "$(pixel "$shots/2-statistics-dialog.png" 420 53)" = "#A0A0A0" ] || fail "statistics bar too full"
xdotool windowfocus --sync "$stat" 2>/dev/null || true
xdotool key Return
sleep 0.5

tool_button 124  # SelectBtn
select=$(wait_window '^Select Tangram$') || fail "no selection dialog"
sleep 1
import -window root "$shots/3-select.png"
import -window "$select" "$shots/3-select-dialog.png"
# Puzzle 1 grey (solved), puzzle 2 black; the grid starts 20 pixels in.
[ "$(pixel "$shots/3-select-dialog.png" 80 83)" = "#7F7F7F" ] || fail "puzzle 1 not grey"
[ "$(pixel "$shots/3-select-dialog.png" 210 83)" = "#000000" ] || fail "puzzle 2 not black"
# A click on the second thumbnail makes it the current puzzle.
xdotool mousemove --window "$select" 210 60
sleep 0.1
xdotool click 1
wait_window '^2$' >/dev/null || fail "puzzle 2 not chosen"
quit_game
echo "saved, resumed and found solved; screenshots in $shots"
