#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quarv Games

# The real program under a real window manager (openbox or xfwm4) on the X
# display this runs on: the pattern window's allowed actions and its place,
# every dialog's outer frame against the centring formula on its first and a
# later showing with the main window normal and maximised, the first-start
# window centred by its outer size, the maximised round trip over ten
# sessions, the end of a session by SIGTERM, the tool buttons' keys, the
# window class the desktop entry names, and a first start at a scale factor
# of 3, where the window must shrink to fit the screen.
# Each measured frame is printed as a line starting with "frame".
# usage: window_manager.sh <openbox|xfwm4> <quarv-tangram> <e2e_plan> <e2e_wm_state>
#        <desktop entry> <screenshot folder>
set -euo pipefail
wm=$1 game=$2 plan=$3 wm_state=$4 entry=$5 shots=$6
. "$(dirname "$0")/lib.sh"

install_game "$game" 3

case $wm in
openbox) openbox --sm-disable >"$work/wm.log" 2>&1 & ;;
xfwm4) dbus-run-session -- xfwm4 --compositor=off --sm-client-disable >"$work/wm.log" 2>&1 & ;;
*) fail "unknown window manager $wm" ;;
esac
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_REQUEST_FRAME_EXTENTS && break
    sleep 0.1
done
xprop -root _NET_SUPPORTED | grep -q _NET_REQUEST_FRAME_EXTENTS || fail "$wm did not start"

# The outer frame of a window: "x y width height client-height".
outer() {
    local x y w h l r t b
    read -r x y w h < <(xwininfo -id "$1" |
        sed -n 's/^ *\(Absolute upper-left [XY]\|Width\|Height\): *//p' | paste -sd' ')
    IFS=', ' read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //')
    echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b)) $h"
}

# Waits until the window's frame stays where it is for a moment.
settled() {
    local last='' now
    for _ in $(seq 30); do
        now=$(outer "$1" 2>/dev/null || true)
        [ -n "$now" ] && [ "$now" = "$last" ] && return 0
        last=$now
        sleep 0.1
    done
}

within1() { [ $(($1 - $2)) -le 1 ] && [ $(($2 - $1)) -le 1 ]; }

# The first visible window that is neither the main window nor the pattern
# window, waiting up to 10 s.
dialog_window() {
    local id
    for _ in $(seq 100); do
        for id in $(game_windows); do
            [ "$id" = "$main" ] || [ "$id" = "$pattern" ] || { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    return 1
}

gone() {
    for _ in $(seq 50); do
        game_windows | grep -qx "$1" || return 0
        sleep 0.1
    done
    fail "window $1 still open"
}

# Measures the dialog that is open against the formula (over the main window,
# or on the screen for the rules) and answers it with the keys given.
# usage: measure <name> <showing> <over|screen> <keys...>
state=normal
measure() {
    local name=$1 showing=$2 where=$3 id mx my mw mh mc dx dy dw dh ex ey sw sh
    shift 3
    id=$(dialog_window) || fail "no $name dialog"
    settled "$id"
    read -r dx dy dw dh _ < <(outer "$id")
    if [ "$where" = screen ]; then
        read -r sw sh < <(xwininfo -root | sed -n 's/^ *\(Width\|Height\): *//p' | paste -sd' ')
        ex=$(((sw - dw) / 2)) ey=$(((sh - dh) / 2))
    else
        read -r mx my mw mh mc < <(outer "$main")
        ex=$((mx + (mw - dw) / 2)) ey=$((my + mh - (mc + dh) / 2))
    fi
    echo "frame $wm $state $name $showing: at $dx,$dy, formula $ex,$ey" | tee -a "$shots/frames.txt"
    import -window root "$shots/$state-$name-$showing.png"
    within1 "$dx" "$ex" && within1 "$dy" "$ey" || fail "$name ($showing, $state) at $dx,$dy, not $ex,$ey"
    timeout 5 xdotool windowfocus --sync "$id" 2>/dev/null || true
    xdotool key "$@"
    gone "$id"
}

press() {  # keys for the main window
    timeout 5 xdotool windowfocus --sync "$main" 2>/dev/null || true
    xdotool key "$@"
}

# The dialog a key of the main window opens, measured and answered.
# usage: open <key> <name> <showing> <over|screen> <answer>
open() {
    press "$1"
    shift
    measure "$@"
}

pattern_title() {
    for _ in $(seq 30); do
        [ "$(xdotool getwindowname "$pattern")" = "$1" ] && return 0
        sleep 0.1
    done
    fail "pattern window says '$(xdotool getwindowname "$pattern")', not '$1'"
}

# Maximises the main window or brings it back, as the title bar's button does.
maximise() {  # maximise|restore
    local want=no
    [ "$1" = maximise ] && want=yes
    local try
    for try in 1 2 3 0; do
        [ "$try" = 0 ] && fail "the window manager did not $1 the main window:" \
            "$(xprop -id "$main" _NET_WM_STATE _NET_WM_ALLOWED_ACTIONS WM_NORMAL_HINTS)"
        "$wm_state" "$main" "$1"
        for _ in $(seq 50); do
            if xprop -id "$main" _NET_WM_STATE | grep -q MAXIMIZED_VERT; then
                [ $want = yes ] && break 2
            else
                [ $want = no ] && break 2
            fi
            sleep 0.1
        done
    done
    settled "$main"
}

setting() {
    sed -n "s/^common\\\\$1=//p" "$settings" | tr -d '"'
}

run_game() {  # <main window title> <pattern window title>
    "$work/quarv-tangram" &
    pid=$!
    main=$(wait_window "^$1\$") || fail "no main window"
    pattern=$(wait_window "^$2\$") || fail "no pattern window"
}

# ---- session 1: the first start, in the normal state

run_game 'Quarv Tangram' 1
read -r wx wy ww wh _ < <(xprop -root _NET_WORKAREA | sed 's/.*= //; s/,//g')
settled "$main"
read -r mx my mw mh _ < <(outer "$main")
echo "frame $wm normal main-window first: at $mx,$my, centred $((wx + (ww - mw) / 2)),$((wy + (wh - mh) / 2))" |
    tee -a "$shots/frames.txt"
within1 "$mx" $((wx + (ww - mw) / 2)) && within1 "$my" $((wy + (wh - mh) / 2)) ||
    fail "first-start window at $mx,$my, not centred on the free area"
normal_bounds="$mx,$my,$((mx + mw)),$((my + mh))"

# The pattern window: its outer corner at (500, 50), kept above the main
# window, and nothing to do with it but move it.
read -r px py _ < <(outer "$pattern")
[ "$px,$py" = "500,50" ] || fail "pattern window's frame at $px,$py, not 500,50"
actions=$(xprop -id "$pattern" _NET_WM_ALLOWED_ACTIONS)
echo "pattern window's actions under $wm: ${actions#*= }"
for action in MINIMIZE MAXIMIZE_HORZ MAXIMIZE_VERT RESIZE; do
    [[ $actions == *_NET_WM_ACTION_$action* ]] && fail "pattern window offers $action"
done
[[ $actions == *_NET_WM_ACTION_MOVE* ]] || fail "pattern window cannot be moved"
transient=$(xprop -id "$pattern" WM_TRANSIENT_FOR | sed 's/.*# //')
[ $((transient)) -eq "$main" ] || fail "pattern window not transient for the main window"
# Docks find the desktop entry by the class it names, or by its id in KDE's
# and GTK's properties.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$wm_class" ] || fail "$entry names no StartupWMClass"
app_id=${entry##*/}
app_id=${app_id%.in}
app_id=${app_id%.desktop}
desktop_ids "$wm_class" "$app_id" "$main" "$pattern"

measure language first over Return
measure info first over Return
press Tab
sleep 0.3
import -window root "$shots/normal-focus.png"

find_board
"$plan" "$work/mexa.dat" "$cell" >"$work/plan.txt" || fail "no plan"
play_plan "$work/plan.txt"
measure won first over Return
pattern_title '1 - solved'

open t statistics first over Return
open f selection first over Escape
open F1 rules first screen Return
open l language later over Return
open i info later over Return
open t statistics later over Return
open f selection later over Escape
open F1 rules later screen Return
open ctrl+n giveup later over Escape
open ctrl+q endgame later over Escape
measure info later over Return

press Next
pattern_title 2
press Prior
pattern_title '1 - solved'
press m

# Maximised: every dialog again.
maximise maximise
xprop -id "$main" _NET_WM_STATE | grep -q MAXIMIZED_VERT || fail "not maximised"
state=maximised
open l language later over Return
open i info later over Return
open t statistics later over Return
open f selection later over Escape
open F1 rules later screen Return
open ctrl+n giveup later over Escape

# The session ends: SIGTERM, and a second one during the save. The solved
# puzzle is kept in a file of the data folder, the settings are written.
kill -TERM "$pid"
kill -TERM "$pid" 2>/dev/null || true
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || fail "the game ended with $status at SIGTERM"
saved=$(setting save)
[ "$saved" = "$XDG_DATA_HOME/QuarvGames/QuarvTangram/Quarv Tangram.mxg" ] || fail "save names '$saved'"
[ "$(od -An -tu1 -N1 "$saved" | tr -d ' ')" = 8 ] || fail "the solved puzzle is not in $saved"
[ "$(setting sound)" = 0 ] || fail "the sound switch (M) was not kept"
[ "$(setting tongue)" = 0 ] || fail "the language was not kept"
stored=$(setting MainForm)
[ "$stored" = "200,0,3,$normal_bounds" ] || fail "MainForm $stored, not 200,0,3,$normal_bounds"

# ---- session 2: back maximised, with the saved game; the first showings
# over a maximised window, then the normal bounds once more.

run_game 'Quarv Tangram - Game Quarv Tangram.mxg' '1 - solved'
xprop -id "$main" _NET_WM_STATE | grep -q MAXIMIZED_VERT || fail "not maximised at the start"
measure info first over Return
open l language first over Return
open t statistics first over Return
open f selection first over Escape
open F1 rules first screen Return
open ctrl+n giveup first over Escape
state=normal
maximise restore
read -r mx my mw mh _ < <(outer "$main")
[ "$mx,$my,$((mx + mw)),$((my + mh))" = "$normal_bounds" ] ||
    fail "un-maximised to $mx,$my,$((mx + mw)),$((my + mh)), not $normal_bounds"
maximise maximise
state=maximised
open ctrl+q endgame later over Return
measure info later over Return
measure info later over Return
wait "$pid" || fail "the game did not end well"
pid=
[ "$(setting MainForm)" = "$stored" ] || fail "MainForm after session 2: $(setting MainForm)"

# ---- sessions 3 to 10: each closed maximised with Ctrl+Q, MainForm unchanged.

for session in 3 4 5 6 7 8 9 10; do
    run_game 'Quarv Tangram - Game Quarv Tangram.mxg' '1 - solved'
    dismiss_dialogs >/dev/null
    if [ "$session" = 3 ]; then
        open ctrl+q endgame first over Return
    else
        press ctrl+q
        sleep 0.3
        press Return
    fi
    dismiss_dialogs >/dev/null
    wait "$pid" || fail "session $session did not end well"
    pid=
    [ "$(setting MainForm)" = "$stored" ] || fail "MainForm after session $session: $(setting MainForm)"
done

# ---- session 11: a new player at a scale factor of 3, where the design size
# is larger than the screen: the window shrinks to fit the free area, its
# frame included, and stays clear of negative coordinates.

rm -f "$settings"
seed_english_silent
export QT_SCALE_FACTOR=3
run_game 'Quarv Tangram' 1
settled "$main"
read -r mx my mw mh _ < <(outer "$main")
echo "frame $wm scale-3 main-window first: at $mx,$my size ${mw}x$mh, free area $wx,$wy ${ww}x$wh" |
    tee -a "$shots/frames.txt"
import -window root "$shots/scale-3.png"
[ "$mx" -ge "$wx" ] && [ "$my" -ge "$wy" ] && [ $((mx + mw)) -le $((wx + ww)) ] &&
    [ $((my + mh)) -le $((wy + wh)) ] ||
    fail "at scale 3 the window's frame runs from $mx,$my to $((mx + mw)),$((my + mh))"
kill -TERM "$pid"
wait "$pid" || fail "the game at scale 3 did not end well"
pid=
unset QT_SCALE_FACTOR
echo "$wm: all frames within 1 px of the formula; screenshots in $shots"
