# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quarv Games

# What the end-to-end scripts share: a scratch folder with the program and a
# catalogue in it, a scratch user, and the means to wait for the program's
# windows, confirm its dialogs, play a plan with the mouse and read the screen.
# Sourced after `set -euo pipefail` with $shots naming the screenshot folder;
# the program started by start_game or by hand keeps its process id in $pid, so
# that it ends with the script.

: "${shots:?names the screenshot folder}"
mkdir -p "$shots"
rm -f "$shots"/*.png

work=$(mktemp -d)
pid=
cleanup() {
    # The game saves and writes its settings at SIGTERM: it is waited for
    # before its folders go.
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    import -window root "$shots/failure.png" 2>/dev/null || true
    exit 1
}

# The program alone in a folder (where the save dialog opens), with a catalogue
# of the given number of puzzles, each the classic square.
install_game() {  # <quarv-tangram> <puzzles>
    local square='\001\074\055\012\110\041\006\105\061\000\074\037\002\063\050\016\103\050\002\070\062\026'
    local catalogue='' k
    for ((k = 0; k < $2; ++k)); do catalogue+=$square; done
    cp "$1" "$work/quarv-tangram"
    # shellcheck disable=SC2059 # the records are written as octal escapes
    printf "$catalogue" >"$work/mexa.dat"
}

# A user of our own, who has no settings yet.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export XDG_RUNTIME_DIR="$work/runtime"
settings="$XDG_CONFIG_HOME/QuarvGames/QuarvTangram.conf"
mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# Makes the user one who has chosen English and switched the sound off, so
# that the language is not asked.
seed_english_silent() {
    mkdir -p "${settings%/*}"
    printf '[V2]\ncommon\\tongue=0\ncommon\\sound=0\n' >"$settings"
}

main='' pattern=''

# The program's visible windows; a window manager's own ones are left out.
game_windows() {
    xdotool search --onlyvisible --classname '^quarv-tangram$' 2>/dev/null || true
}

# The id of the first visible window whose name matches, waiting up to 30 s
# (the machine may be busy); fails at once when the program has ended.
wait_window() {
    local id
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null |
            grep -Fx -f <(game_windows) | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        if [ -n "$pid" ] && ! kill -0 "$pid" 2>/dev/null; then return 1; fi
        sleep 0.1
    done
    return 1
}

# Confirms with Return every window that is neither the main window nor the
# pattern window (the language and info dialogs, the closing question), until
# none is left. Their titles collect in $confirmed, each followed by ';'.
confirmed=
dismiss_dialogs() {
    for _ in $(seq 20); do
        local others=() id name
        for id in $(game_windows); do
            [ "$id" = "$main" ] || [ "$id" = "$pattern" ] || others+=("$id")
        done
        [ ${#others[@]} -eq 0 ] && return 0
        for id in "${others[@]}"; do
            name=$(xdotool getwindowname "$id" 2>/dev/null || true)
            echo "confirming window '$name'"
            confirmed+="$name;"
            timeout 5 xdotool windowfocus --sync "$id" 2>/dev/null || true
            xdotool key Return
        done
        sleep 0.5
    done
}

# Starts the program and waits for its main and pattern windows, by title;
# brings the main window to the front, which is its first activation, keeps the
# pattern window clear of the board and confirms the dialogs of the start.
start_game() {  # <main title> <pattern title>
    "$work/quarv-tangram" &
    pid=$!
    main=$(wait_window "$1") || fail "no main window titled '$1'"
    pattern=$(wait_window "$2") || fail "no pattern window titled '$2'"
    sleep 0.5
    xdotool windowmove --sync "$pattern" 760 40
    timeout 5 xdotool windowfocus --sync "$main" 2>/dev/null || true
    sleep 0.5
    dismiss_dialogs
}

# A tool button of the main window, by its left edge in the tool bar.
tool_button() {
    xdotool mousemove --window "$main" $(($1 + 12)) 16
    sleep 0.1
    xdotool click 1
}

# Places the board exactly as the program does for the main window's client
# size: sets $cell and the screen position $box_x, $box_y of the board box.
find_board() {
    # xwininfo, not xdotool: under a window manager xdotool counts the frame
    # twice.
    local X Y WIDTH HEIGHT board_h
    read -r X Y WIDTH HEIGHT < <(xwininfo -id "$main" |
        sed -n 's/^ *\(Absolute upper-left [XY]\|Width\|Height\): *//p' | paste -sd' ')
    board_h=$((HEIGHT - 33 - 17))
    cell=$((WIDTH / 123))
    [ $((board_h / 83)) -lt "$cell" ] && cell=$((board_h / 83))
    box_x=$((X + (WIDTH - 121 * cell) / 2))
    box_y=$((Y + 33 + (board_h - 81 * cell) / 2))
    echo "client ${WIDTH}x${HEIGHT} at $X,$Y; cell $cell; board at $box_x,$box_y"
}

# Plays the drags and presses of an e2e_plan file on the board; with a step
# number and a file name, takes a screenshot after that step.
play_plan() {  # <plan file> [<step> <screenshot>]
    local what a b c d step=0
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
        if [ $# -ge 3 ] && [ "$step" -eq "$2" ]; then
            import -window root "$3"
        fi
    done <"$1"
}

pixel() {  # <screenshot> <x> <y>
    convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n 1
}

# Docks find a window's desktop entry by its X11 class, or by the entry's id in
# KDE's and GTK's properties: each window given must carry both.
# usage: desktop_ids <class> <entry id> <window>...
desktop_ids() {
    local want_class=$1 want_id=$2 id class property named
    shift 2
    for id in "$@"; do
        class=$(xprop -id "$id" WM_CLASS | sed 's/.*", "\(.*\)"$/\1/')
        [ "$class" = "$want_class" ] || fail "window $id has the class '$class', not '$want_class'"
        for property in _KDE_NET_WM_DESKTOP_FILE _GTK_APPLICATION_ID; do
            named=$(xprop -id "$id" "$property" | sed -n 's/.* = "\(.*\)"$/\1/p')
            [ "$named" = "$want_id" ] || fail "window $id names '$named' in $property, not $want_id"
        done
    done
}
