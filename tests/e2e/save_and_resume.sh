#!/usr/bin/env bash
# Solves a puzzle on the real program, saves the game under a name through the
# real save dialog, quits, starts again and finds the puzzle solved: in the
# pattern window's title, in the statistics dialog and in the selection grid.
# Runs on the X display it is given (xvfb-run provides one).
# usage: save_and_resume.sh <quarv-tangram> <e2e_plan> <screenshot folder>
set -euo pipefail
game=$1 plan=$2 shots=$3
mkdir -p "$shots"
rm -f "$shots"/*.png

work=$(mktemp -d)
pid=
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    import -window root "$shots/failure.png" 2>/dev/null || true
    exit 1
}

# The program alone in a folder (where the save dialog opens), with a
# catalogue of two puzzles, both the classic square.
cp "$game" "$work/quarv-tangram"
square='\001\074\055\012\110\041\006\105\061\000\074\037\002\063\050\016\103\050\002\070\062\026'
printf "$square$square" >"$work/mexa.dat"

# A user of our own, who has chosen English and switched the sound off.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export XDG_RUNTIME_DIR="$work/runtime"
settings="$XDG_CONFIG_HOME/QuarvGames/QuarvTangram.conf"
mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME/QuarvGames" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '[V2]\ncommon\\tongue=0\ncommon\\sound=0\n' >"$settings"

main= pattern=

# The id of the first visible window whose name matches, waiting up to 30 s
# (the machine may be busy).
wait_window() {
    local id
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Confirms with Return every window that is neither the main window nor the
# pattern window (the info dialog, the closing question), until none is left.
dismiss_dialogs() {
    for _ in $(seq 20); do
        local others=() id name
        for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null || true); do
            [ "$id" = "$main" ] || [ "$id" = "$pattern" ] || others+=("$id")
        done
        [ ${#others[@]} -eq 0 ] && return 0
        for id in "${others[@]}"; do
            name=$(xdotool getwindowname "$id" 2>/dev/null || true)
            echo "confirming window '$name'"
            xdotool windowfocus --sync "$id" 2>/dev/null || true
            xdotool key Return
        done
        sleep 0.5
    done
}

start_game() {
    "$work/quarv-tangram" &
    pid=$!
    main=$(wait_window "$1") || fail "no main window titled '$1'"
    pattern=$(wait_window "$2") || fail "no pattern window titled '$2'"
    sleep 0.5
    xdotool windowmove --sync "$pattern" 760 40
    xdotool windowfocus --sync "$main" 2>/dev/null || true
    sleep 0.5
    dismiss_dialogs
}

# A tool button of the main window, by its left edge in the tool bar.
tool_button() {
    xdotool mousemove --window "$main" $(($1 + 12)) 16
    sleep 0.1
    xdotool click 1
}

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

pixel() {  # <screenshot> <x> <y>
    convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n 1
}

# ---- first run: solve puzzle 1 and save the game as week1

start_game '^Quarv Tangram$' '^1$'
eval "$(xdotool getwindowgeometry --shell "$main")"
client_w=$WIDTH client_h=$HEIGHT
board_h=$((client_h - 33 - 17))
cell=$((client_w / 123))
[ $((board_h / 83)) -lt "$cell" ] && cell=$((board_h / 83))
box_x=$((X + (client_w - 121 * cell) / 2))
box_y=$((Y + 33 + (board_h - 81 * cell) / 2))

"$plan" "$work/mexa.dat" "$cell" >"$work/plan.txt" || fail "no plan"
while read -r what a b c d; do
    case $what in
    drag)
        xdotool mousemove $((box_x + a)) $((box_y + b))
        sleep 0.08
        xdotool mousedown 1
        sleep 0.08
        xdotool mousemove $((box_x + c)) $((box_y + d))
        sleep 0.08
        xdotool mouseup 1
        ;;
    press)
        xdotool mousemove $((box_x + b)) $((box_y + c))
        sleep 0.08
        xdotool mousedown "$a"
        sleep 0.05
        xdotool mouseup "$a"
        ;;
    *) continue ;;
    esac
    sleep 0.25
done <"$work/plan.txt"
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
