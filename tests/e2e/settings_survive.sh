#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quarv Games

# Starts the real program twice with the same user. The first start asks for
# the language (German is chosen), the player goes to puzzle 3, moves the
# window and quits with Yes; the second start asks for no language, opens at
# puzzle 3 where the window was left, and still speaks German.
# usage: settings_survive.sh <quarv-tangram> <screenshot folder>
set -euo pipefail
game=$1 shots=$2
. "$(dirname "$0")/lib.sh"

# A catalogue of three puzzles, and a new user: no settings at all.
install_game "$game" 3

# Waits for a visible window whose whole title matches; prints its id.
window() {
    wait_window "^$1\$"
}

# Presses keys in a dialog, which must then go away.
answer() {
    local id=$1
    shift
    xdotool windowfocus --sync "$id" 2>/dev/null || true
    xdotool key "$@"
    for _ in $(seq 50); do
        xdotool getwindowname "$id" >/dev/null 2>&1 || return 0
        xdotool search --onlyvisible --name '.' 2>/dev/null | grep -qx "$id" || return 0
        sleep 0.1
    done
    fail "dialog $id still open after $*"
}

settings_value() {
    sed -n "s/^common\\\\$1=//p" "$settings"
}

# Answers the closing question with Yes and the two info dialogs that follow.
quit() {
    tool_button 236
    local ask info
    ask=$(xdotool search --sync --onlyvisible --name '^Quarv Tangram$' | grep -vx "$main" | head -n 1)
    [ -n "$ask" ] || fail "no closing question"
    import -window root "$shots/$1-question.png"
    answer "$ask" Return
    for k in 1 2; do
        info=$(window 'Quarv Games - Freeware-Info') || fail "no info dialog $k at the close"
        answer "$info" Return
    done
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "the program did not end"
    wait "$pid" || true
    pid=
}

# ---- first start
"$work/quarv-tangram" &
pid=$!
tongue=$(window 'Quarv Tangram V2.9') || fail "no language dialog at the first start"
import -window root "$shots/1-language.png"
answer "$tongue" Tab Return # the German button
info=$(window 'Quarv Games - Freeware-Info') || fail "no info dialog after the language"
import -window root "$shots/2-info.png"
answer "$info" Return
main=$(window 'Quarv Tangram') || fail "no main window"
pattern=$(window 1) || fail "no pattern window titled 1"
tool_button 180
tool_button 180
window 3 >/dev/null || fail "the next-puzzle button did not reach puzzle 3"
xdotool windowmove --sync "$main" 60 70
sleep 0.3
eval "$(xdotool getwindowgeometry --shell "$main")"
first_x=$X first_y=$Y
quit 3
[ "$(settings_value tongue)" = 1 ] || fail "tongue stored as '$(settings_value tongue)'"
[ "$(settings_value level)" = 3 ] || fail "level stored as '$(settings_value level)'"
[ "$(settings_value sound)" = 1 ] || fail "sound stored as '$(settings_value sound)'"
grep -q '^common\\MainForm="200,0,1,' "$settings" || fail "no main window placement stored"
cat "$settings"

# ---- second start: no language question, the same puzzle and place
"$work/quarv-tangram" &
pid=$!
info=$(window 'Quarv Games - Freeware-Info') || fail "no info dialog at the second start"
xdotool search --onlyvisible --name '^Quarv Tangram V2.9$' >/dev/null 2>&1 &&
    fail "the language was asked again"
import -window root "$shots/4-second-start.png"
answer "$info" Return
main=$(window 'Quarv Tangram') || fail "no main window at the second start"
window 3 >/dev/null || fail "the second start is not at puzzle 3"
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$X,$Y" = "$first_x,$first_y" ] || fail "main window at $X,$Y, left at $first_x,$first_y"
quit 5
[ "$(settings_value tongue)" = 1 ] || fail "German was not kept"
echo "settings survived: $(tr '\n' ' ' <"$settings")"
