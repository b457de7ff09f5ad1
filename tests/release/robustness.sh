#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quarv Games

# The real program facing damaged files, on the X display this runs on
# (with_xvfb.sh provides one): a catalogue with garbage or a torn last record, a
# catalogue that is missing or a folder, settings with nonsense values, a
# settings file that is a named pipe, a game file that is a folder, and saves
# into a folder where only the game file is writable, onto a read-only drive
# and onto a full disk. Every case starts the game afresh as a user of its own.
# usage: robustness.sh <quarv-tangram> <mexa.dat> <screenshot folder>
set -euo pipefail
game=$1 shipped=$2 shots=$3
mkdir -p "$shots"
rm -f "$shots"/*.png

work=$(mktemp -d)
pid=
mounts=()
cleanup() {
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    for m in "${mounts[@]}"; do umount "$m" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

case_name=
dir=
fail() {
    echo "FAIL [$case_name]: $*" >&2
    import -window root "$shots/failure-$case_name.png" 2>/dev/null || true
    if [ -n "$pid" ] && ! kill -0 "$pid" 2>/dev/null; then
        local rc=0
        wait "$pid" || rc=$?
        pid=
        echo "the game had ended with status $rc" >&2
    fi
    for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null || true); do
        echo "window $id '$(xdotool getwindowname "$id" 2>/dev/null || true)'" \
            "$(xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null || true)" >&2
    done
    [ -z "$dir" ] || sed -n 1,40p "$dir/stderr" >&2 2>/dev/null || true
    exit 1
}

# A fresh folder for the case: the program with the shipped catalogue beside
# it (cases change or remove it), and a user whose settings are the lines
# given.
new_case() {
    case_name=$1
    shift
    echo "== $case_name"
    dir=$work/$case_name
    mkdir -p "$dir/prog" "$dir/home" "$dir/config/QuarvGames" "$dir/runtime"
    chmod 700 "$dir/runtime"
    cp "$game" "$dir/prog/quarv-tangram"
    cp "$shipped" "$dir/prog/mexa.dat"
    {
        echo '[V2]'
        for line in "$@"; do echo "common\\$line"; done
    } >"$dir/config/QuarvGames/QuarvTangram.conf"
}

launch() {
    HOME=$dir/home XDG_CONFIG_HOME=$dir/config XDG_DATA_HOME=$dir/home/.local/share \
        XDG_RUNTIME_DIR=$dir/runtime "$dir/prog/quarv-tangram" 2>"$dir/stderr" &
    pid=$!
}

# Root passes any folder's permissions, so cases about them run the game as
# nobody; the server of with_xvfb.sh lets every local user in.
launch_as_nobody() {
    HOME=$dir/home XDG_CONFIG_HOME=$dir/config XDG_DATA_HOME=$dir/home/.local/share \
        XDG_RUNTIME_DIR=$dir/runtime setpriv --reuid=65534 --regid=65534 --clear-groups \
        "$dir/prog/quarv-tangram" 2>"$dir/stderr" &
    pid=$!
}

alive() {
    kill -0 "$pid" 2>/dev/null || fail "the game ended $*"
}

# Visible windows of a kind: NORMAL (main window), TOOLBAR (pattern window) or
# DIALOG (message boxes and the other dialogs).
windows_of() {
    local id
    for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null || true); do
        if xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | sed 's/.*= //; s/,.*//' |
            grep -q "_NET_WM_WINDOW_TYPE_$1\$"; then
            echo "$id"
        fi
    done
}

# Waits up to 15 seconds for a window of the kind; prints its id.
wait_for() {
    local id
    for _ in $(seq 150); do
        id=$(windows_of "$1" | head -n 1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        [ -z "$pid" ] || kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# Confirms every dialog with Return until none is left.
dismiss_dialogs() {
    local id
    for _ in $(seq 10); do
        id=$(windows_of DIALOG | head -n 1)
        [ -n "$id" ] || return 0
        echo "confirming '$(xdotool getwindowname "$id" 2>/dev/null || true)'" >&2
        xdotool windowfocus --sync "$id" 2>/dev/null || true
        xdotool key Return
        sleep 0.5
    done
}

title() { xdotool getwindowname "$1"; }

# The main window after the start-up dialogs.
main_window() {
    local main
    main=$(wait_for NORMAL) || fail "no main window"
    sleep 0.5
    dismiss_dialogs
    alive "after the start-up dialogs"
    echo "$main"
}

# Clicks a point of the main window's client area.
click() {
    xdotool mousemove --window "$1" "$2" "$3"
    sleep 0.05
    xdotool click 1
    sleep 0.15
}

# Moves the mouse to a cell of the board, placed as the main window places it
# for its size.
to_cell() {
    local WIDTH HEIGHT board_h cell box_x box_y
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
    board_h=$((HEIGHT - 33 - 17))
    cell=$((WIDTH / 123))
    [ $((board_h / 83)) -lt "$cell" ] && cell=$((board_h / 83))
    box_x=$(((WIDTH - 121 * cell) / 2))
    box_y=$((33 + (board_h - 81 * cell) / 2))
    xdotool mousemove --window "$1" $((box_x + $2 * cell)) $((box_y + $3 * cell))
    sleep 0.08
}

# Clicks a cell with the left button or the one given.
click_cell() {
    to_cell "$1" "$2" "$3"
    xdotool click "${4:-1}"
    sleep 0.3
}

# Presses on one cell, drags to another with the button held, lets go.
drag_cells() {
    to_cell "$1" "$2" "$3"
    xdotool mousedown 1
    sleep 0.08
    to_cell "$1" "$4" "$5"
    xdotool mouseup 1
    sleep 0.3
}

# Tool buttons, in client coordinates.
save_button=(64 16)
hint_button=(160 16)
next_button=(192 16)
previous_button=(216 16)

finish() {
    alive "$@"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=
}

screen_w=$(xdpyinfo | sed -n 's/ *dimensions: *\([0-9]*\)x.*/\1/p')
screen_h=$(xdpyinfo | sed -n 's/ *dimensions: *[0-9]*x\([0-9]*\) .*/\1/p')

# Whole on the screen and at least as large as the smallest game window.
check_on_screen() {
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    echo "'$(title "$1")' at $X,$Y size ${WIDTH}x$HEIGHT"
    [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le "$screen_w" ] &&
        [ $((Y + HEIGHT)) -le "$screen_h" ] || fail "'$(title "$1")' is not on the screen"
    [ "$WIDTH" -ge "$2" ] && [ "$HEIGHT" -ge "$3" ] || fail "'$(title "$1")' is too small"
}

record() { head -c 22 "$shipped"; }

# ---- the catalogue

# Five whole records and the start of a sixth: five puzzles. A stored level
# beyond them shows the last whole one.
new_case catalogue_torn_record tongue=0 sound=0 level=99
for _ in 1 2 3 4 5; do record; done >"$dir/prog/mexa.dat"
record | head -c 13 >>"$dir/prog/mexa.dat"
launch
main=$(main_window)
pattern=$(wait_for TOOLBAR) || fail "no pattern window"
[ "$(title "$pattern")" = 5 ] || fail "pattern window says '$(title "$pattern")', not 5"
finish

# Seven records of random bytes and three more: columns, rows and orientations
# far outside the board. The game shows puzzle 7 and survives play on it.
new_case catalogue_garbage tongue=0 sound=0 level=99
LC_ALL=C awk 'BEGIN { srand(7); for (i = 0; i < 7 * 22 + 3; i++) printf "%c", int(rand() * 256) }' \
    >"$dir/prog/mexa.dat"
launch
main=$(main_window)
pattern=$(wait_for TOOLBAR) || fail "no pattern window"
[ "$(title "$pattern")" = 7 ] || fail "pattern window says '$(title "$pattern")', not 7"
# Drag the square and a large triangle by their reference points from where
# the start layout puts them into the middle and put them down there, flip
# the rhomboid, then ask for the hint.
drag_cells "$main" 7 42 60 40
click_cell "$main" 100 70
drag_cells "$main" 8 8 50 30
click_cell "$main" 100 10
click_cell "$main" 116 43 3
click_cell "$main" 100 70
import -window root "$shots/catalogue-garbage-play.png"
click "$main" "${hint_button[@]}"
sleep 1.5
for b in previous next previous previous; do
    ref="${b}_button[@]"
    click "$main" "${!ref}"
    dismiss_dialogs
    alive "after the $b button"
done
import -window root "$shots/catalogue-garbage.png"
finish "after play on garbage"

# No catalogue, or a folder in its place: the message, then a clean end
# without any other window.
for kind in missing folder; do
    new_case "catalogue_$kind" tongue=0 sound=0
    rm "$dir/prog/mexa.dat"
    if [ "$kind" = folder ]; then mkdir "$dir/prog/mexa.dat"; fi
    launch
    box=$(wait_for DIALOG) || fail "no message"
    [ "$(title "$box")" = "Quarv Tangram" ] || fail "message titled '$(title "$box")'"
    [ -z "$(windows_of NORMAL)" ] || fail "a main window beside the message"
    import -window root "$shots/catalogue-$kind.png"
    xdotool windowfocus --sync "$box" 2>/dev/null || true
    xdotool key Return
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "still running after the message"
    rc=0
    wait "$pid" || rc=$?
    pid=
    [ "$rc" -lt 128 ] || fail "ended by signal $((rc - 128))"
    echo "ended with status $rc"
done

# ---- settings

new_case settings_garbage level=abc tongue=7 sound=yes MainForm=1,2,3 pleft=-99999 ptop=99999 \
    wid=-5 hig=abc
launch
main=$(main_window)
pattern=$(wait_for TOOLBAR) || fail "no pattern window"
check_on_screen "$main" 337 133
check_on_screen "$pattern" 50 50
[ "$(title "$pattern")" = 1 ] || fail "pattern window says '$(title "$pattern")', not 1"
import -window root "$shots/settings-garbage.png"
finish

# A stored window far larger than the screen comes back no larger than it.
new_case settings_huge_window tongue=0 sound=0 MainForm=200,0,1,0,0,30000,30000
launch
main=$(main_window)
check_on_screen "$main" 337 133
import -window root "$shots/settings-huge-window.png"
finish

# A named pipe where the settings file belongs: the game starts with the
# defaults (so it asks for the language) instead of waiting on the pipe, and
# leaves the pipe alone.
new_case settings_pipe
settings_file=$dir/config/QuarvGames/QuarvTangram.conf
rm "$settings_file"
mkfifo "$settings_file"
launch
main=$(main_window)
import -window root "$shots/settings-pipe.png"
finish
[ -p "$settings_file" ] || fail "the pipe was replaced"

# ---- game files

# The game named in the settings is a folder: the load error, and the name is
# dropped.
new_case save_is_folder tongue=0 sound=0 "save=$work/save_is_folder/home"
launch
box=$(wait_for DIALOG) || fail "no load error"
[ -z "$(windows_of NORMAL)" ] || fail "the main window came before the load error"
import -window root "$shots/save-is-folder.png"
dismiss_dialogs
main=$(main_window)
[ "$(title "$main")" = "Quarv Tangram" ] || fail "main window titled '$(title "$main")'"
finish

# A game of 330 status bytes, every eleventh puzzle solved.
earlier_game() {
    LC_ALL=C awk 'BEGIN { for (i = 0; i < 330; i++) printf "%c", i % 11 == 0 ? 8 : 0 }' >"$1"
}

# Saving to the game's own file where that cannot be written: the save error,
# the earlier file unchanged and nothing else left in the folder.
try_save() {
    local folder=$1
    cp "$folder/earlier.mxg" "$dir/earlier.copy"
    local before
    before=$(ls -A "$folder")
    launch
    main=$(main_window)
    [ "$(title "$main")" = "Quarv Tangram - Game earlier.mxg" ] ||
        fail "main window titled '$(title "$main")'"
    click "$main" "${save_button[@]}"
    box=$(wait_for DIALOG) || fail "no save error"
    import -window root "$shots/$case_name.png"
    dismiss_dialogs
    alive "after the save error"
    cmp "$folder/earlier.mxg" "$dir/earlier.copy" || fail "the earlier game was changed"
    [ "$(ls -A "$folder")" = "$before" ] || fail "left behind: $(ls -A "$folder" | tr '\n' ' ')"
    finish
}

can_mount=no
if [ "$(id -u)" -eq 0 ] && mkdir -p "$work/probe" &&
    mount -t tmpfs -o size=64k tmpfs "$work/probe" 2>/dev/null; then
    umount "$work/probe"
    can_mount=yes
fi

# A game file the player may write in a folder the player may not: no file can
# be made beside it, so the save goes into the file itself, without a message.
new_case save_folder_locked tongue=0 sound=0 "save=$work/save_folder_locked/games/earlier.mxg"
mkdir "$dir/games"
earlier_game "$dir/games/earlier.mxg"
start=launch
if [ "$(id -u)" -eq 0 ]; then
    start=
    if command -v setpriv >/dev/null; then
        chmod a+x "$work"
        chown -R 65534:65534 "$dir"
        start=launch_as_nobody
    fi
fi
if [ -n "$start" ]; then
    chmod a-w "$dir/games"
    before=$(stat -c %y "$dir/games/earlier.mxg")
    $start
    main=$(main_window)
    click "$main" "${save_button[@]}"
    sleep 1
    [ -z "$(windows_of DIALOG)" ] || fail "a message after saving"
    [ "$(stat -c %y "$dir/games/earlier.mxg")" != "$before" ] || fail "the game was not written"
    [ "$(ls -A "$dir/games")" = earlier.mxg ] || fail "left behind: $(ls -A "$dir/games" | tr '\n' ' ')"
    import -window root "$shots/$case_name.png"
    finish
    chmod u+w "$dir/games"
else
    echo "skipped: root passes folder permissions, and setpriv is not at hand"
fi

new_case save_read_only tongue=0 sound=0 "save=$work/save_read_only/games/earlier.mxg"
mkdir "$dir/games"
if [ "$can_mount" = yes ]; then
    mount -t tmpfs -o size=64k tmpfs "$dir/games"
    mounts+=("$dir/games")
    earlier_game "$dir/games/earlier.mxg"
    mount -o remount,ro "$dir/games"
    try_save "$dir/games"
elif [ "$(id -u)" -ne 0 ]; then
    # Without a read-only drive: neither the folder nor the file is writable.
    earlier_game "$dir/games/earlier.mxg"
    chmod a-w "$dir/games" "$dir/games/earlier.mxg"
    try_save "$dir/games"
    chmod u+w "$dir/games"
elif command -v setpriv >/dev/null; then
    earlier_game "$dir/games/earlier.mxg"
    chmod a+x "$work"
    chown -R 65534:65534 "$dir"
    chmod a-w "$dir/games" "$dir/games/earlier.mxg"
    launch() { launch_as_nobody; }
    try_save "$dir/games"
    chmod u+w "$dir/games"
else
    echo "skipped: root passes folder permissions, and neither mount nor setpriv is at hand"
fi

new_case save_disk_full tongue=0 sound=0 "save=$work/save_disk_full/games/earlier.mxg"
mkdir "$dir/games"
if [ "$can_mount" = yes ]; then
    mount -t tmpfs -o size=16k tmpfs "$dir/games"
    mounts+=("$dir/games")
    earlier_game "$dir/games/earlier.mxg"
    dd if=/dev/zero of="$dir/games/filler" bs=1k count=64 2>/dev/null || true
    try_save "$dir/games"
else
    # No file may grow at all: writing fails as on a full disk (with the
    # signal for it ignored, as the game does not expect it).
    earlier_game "$dir/games/earlier.mxg"
    launch() {
        (
            trap '' XFSZ
            ulimit -f 0
            HOME=$dir/home XDG_CONFIG_HOME=$dir/config XDG_DATA_HOME=$dir/home/.local/share \
                XDG_RUNTIME_DIR=$dir/runtime exec "$dir/prog/quarv-tangram"
        ) 2>"$dir/stderr" &
        pid=$!
    }
    try_save "$dir/games"
fi
echo "all cases passed; screenshots in $shots"
