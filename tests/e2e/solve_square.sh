#!/usr/bin/env bash
# Plays the classic square to the end on the real program, with the mouse, on
# the X display this runs on (xvfb-run provides one), and checks the screen.
# usage: solve_square.sh <quarv-tangram> <e2e_plan> <screenshot folder>
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

# The program alone in a folder, with a catalogue of one puzzle: the square.
cp "$game" "$work/quarv-tangram"
printf '\001\074\055\012\110\041\006\105\061\000\074\037\002\063\050\016\103\050\002\070\062\026' \
    >"$work/mexa.dat"

# A user of our own, who has chosen English and switched the sound off.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME/QuarvGames" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '[V2]\ncommon\\tongue=0\ncommon\\sound=0\n' >"$XDG_CONFIG_HOME/QuarvGames/QuarvTangram.conf"

"$work/quarv-tangram" &
pid=$!

main=
for _ in $(seq 100); do
    main=$(xdotool search --onlyvisible --name '^Quarv Tangram$' 2>/dev/null | head -n 1 || true)
    [ -n "$main" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended at start"
    sleep 0.1
done
[ -n "$main" ] || fail "no main window"
pattern=$(xdotool search --onlyvisible --name '^1$' 2>/dev/null | head -n 1 || true)
[ -n "$pattern" ] || fail "no pattern window titled 1"

# Any window that is neither the main window nor the pattern window is a
# dialog of the first start (language, info): confirm it with Return.
confirmed=
dismiss_dialogs() {
    for _ in $(seq 10); do
        local others=() id name
        for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null || true); do
            [ "$id" = "$main" ] || [ "$id" = "$pattern" ] || others+=("$id")
        done
        [ ${#others[@]} -eq 0 ] && return 0
        for id in "${others[@]}"; do
            name=$(xdotool getwindowname "$id" 2>/dev/null || true)
            echo "confirming window '$name'"
            confirmed+="$name;"
            xdotool windowfocus --sync "$id" 2>/dev/null || true
            xdotool key Return
        done
        sleep 0.5
    done
}

# Bring the main window to the front, which is its first activation; keep the
# pattern window clear of the board.
sleep 0.5
xdotool windowmove --sync "$pattern" 760 40
xdotool windowfocus --sync "$main" 2>/dev/null || true
sleep 0.5
dismiss_dialogs
# The language is stored, so only the info dialog greets the player.
[[ $confirmed == *"Quarv Games - Freeware-Info;"* ]] || fail "no info dialog at start: $confirmed"
[[ $confirmed == *"Quarv Tangram V2.9;"* ]] && fail "the stored language was asked again"

# Place the board exactly as the program does for this client size.
eval "$(xdotool getwindowgeometry --shell "$main")"
client_w=$WIDTH client_h=$HEIGHT origin_x=$X origin_y=$Y
board_h=$((client_h - 33 - 17))
cell=$((client_w / 123))
[ $((board_h / 83)) -lt "$cell" ] && cell=$((board_h / 83))
box_x=$((origin_x + (client_w - 121 * cell) / 2))
box_y=$((origin_y + 33 + (board_h - 81 * cell) / 2))
echo "client ${client_w}x${client_h} at $origin_x,$origin_y; cell $cell; board at $box_x,$box_y"
import -window root "$shots/1-start.png"

"$plan" "$work/mexa.dat" "$cell" >"$work/plan.txt" || fail "no plan"
step=0
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
    step=$((step + 1))
    sleep 0.25  # keep presses apart, so none is taken for a double click
    if [ "$step" -eq 2 ]; then
        import -window root "$shots/2-holding.png"
    fi
done <"$work/plan.txt"

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

pixel() {
    convert "$shots/4-solved.png" -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n 1
}
while read -r what a b _; do
    [ "$what" = green ] || continue
    colour=$(pixel $((box_x + a)) $((box_y + b)))
    [ "$colour" = "#00FF00" ] || fail "Tan at board pixel $a,$b shows $colour, not green"
done <"$work/plan.txt"
[ "$(pixel $((box_x + 3)) $((box_y + 3)))" = "#C0C0C0" ] || fail "board corner not silver"
echo "solved; screenshots in $shots"
