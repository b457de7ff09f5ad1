#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Quarv Games

# The real program under a headless Wayland compositor (weston) that offers
# X11 through XWayland. Left to itself the game runs on X11 there, where its
# windows can be placed; told to use Wayland with QT_QPA_PLATFORM, or given
# no X11 at all, it runs natively, stays up, tells the compositor its desktop
# entry's id, makes the pattern window a child of the main window and opens
# no window beyond those two (the growing outline of the start is X11's
# alone). What the game says to the compositor is read from its own
# WAYLAND_DEBUG output.
# usage: wayland.sh <quarv-tangram> <desktop entry> <screenshot folder>
set -euo pipefail
game=$1 entry=$2 shots=$3
if ! command -v weston >/dev/null; then
    echo "SKIP: weston is not installed"
    exit 77
fi
# Only what this script sets reaches the game.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_SESSION_TYPE XDG_CURRENT_DESKTOP \
    XDG_SESSION_DESKTOP
. "$(dirname "$0")/lib.sh"

install_game "$game" 3
seed_english_silent
app_id=${entry##*/}
app_id=${app_id%.in}
app_id=${app_id%.desktop}
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$wm_class" ] || fail "$entry names no StartupWMClass"

# XWayland listens in the X servers' shared socket folder, which a machine
# that has never run one may lack.
if [ ! -d /tmp/.X11-unix ]; then
    mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix
fi

compositor=
finish() {
    # The game ends first, while it still has its compositor to save under.
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        pid=
    fi
    if [ -n "$compositor" ]; then
        kill "$compositor" 2>/dev/null || true
        wait "$compositor" 2>/dev/null || true
    fi
    cleanup
}
trap finish EXIT

socket=tangram-wayland
weston --backend=headless-backend.so --xwayland --socket="$socket" --width=1024 --height=768 \
    --idle-time=0 --log="$work/weston.log" &
compositor=$!
number=
for _ in $(seq 100); do
    number=$(sed -n 's/.*xserver listening on display :\([0-9]*\).*/\1/p' "$work/weston.log" \
        2>/dev/null || true)
    [ -n "$number" ] && [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
    kill -0 "$compositor" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$number" ]; then
    cat "$work/weston.log" >&2 || true
    fail "weston did not start with XWayland"
fi
export WAYLAND_DISPLAY=$socket DISPLAY=:$number
echo "weston on $WAYLAND_DISPLAY, XWayland on $DISPLAY"

# Starts the game with the environment given, its Wayland requests logged.
start() {  # <log> [<variable=value | -u variable>...]
    local log=$1
    shift
    env "$@" WAYLAND_DEBUG=1 "$work/quarv-tangram" 2>"$log" &
    pid=$!
}

# Ends the game as a session does, which must leave it well.
stop() {
    local status=0
    kill -TERM "$pid"
    wait "$pid" || status=$?
    pid=
    [ "$status" -eq 0 ] || fail "the game ended with $status at SIGTERM"
}

setting() {
    sed -n "s/^common\\\\$1=//p" "$settings" | tr -d '"'
}

# ---- XWayland offered, no platform chosen: the game is an X11 client.

start "$work/x11.log"
main=$(wait_window '^Quarv Tangram$') || fail "no main window on XWayland's display $DISPLAY"
pattern=$(wait_window '^1$') || fail "no pattern window on XWayland's display $DISPLAY"
echo "platform chosen with XWayland offered: xcb (main window $main on $DISPLAY)"
if grep -aq 'get_toplevel' "$work/x11.log"; then
    fail "the game opened Wayland windows beside its X11 ones"
fi
# Docks match an X11 window to the desktop entry by its class, or by the
# entry's id in KDE's and GTK's properties.
desktop_ids "$wm_class" "$app_id" "$main" "$pattern"
echo "on XWayland: WM_CLASS class $wm_class, desktop entry $app_id"
stop

x11_placement=$(setting MainForm)
x11_pattern="$(setting pleft),$(setting ptop)"
[ -n "$x11_placement" ] || fail "no MainForm after the X11 session"

# ---- Natively on Wayland: what the game asked of the compositor.

# The object id of the toplevel that was given this title.
toplevel_titled() {  # <log> <title>
    grep -ao "xdg_toplevel@[0-9]*\.set_title(\"$2\")" "$1" | head -n 1 |
        sed 's/xdg_toplevel@\([0-9]*\).*/\1/'
}

# Waits for the pattern window's toplevel, then a few seconds more in which
# the start's animation would have opened its window, and checks the game is
# still there and talked to the compositor as it should.
native() {  # <log> <case>
    local log=$1 what=$2 count main_top pattern_top ids
    for _ in $(seq 300); do
        grep -aq 'set_title("1")' "$log" && break
        kill -0 "$pid" 2>/dev/null || fail "$what: the game ended: $(grep -av '^\[' "$log" | tail -n 5)"
        sleep 0.1
    done
    sleep 3
    kill -0 "$pid" 2>/dev/null || fail "$what: the game did not stay up"
    [ -z "$(game_windows)" ] || fail "$what: the game has windows on X11 too"
    count=$(grep -ac 'get_toplevel(' "$log" || true)
    echo "$what: $count toplevels"
    [ "$count" -eq 2 ] || fail "$what: $count toplevels, not the main and the pattern window"
    main_top=$(toplevel_titled "$log" 'Quarv Tangram')
    pattern_top=$(toplevel_titled "$log" 1)
    [ -n "$main_top" ] || fail "$what: no toplevel titled 'Quarv Tangram'"
    [ -n "$pattern_top" ] || fail "$what: no toplevel titled '1'"
    for id in "$main_top" "$pattern_top"; do
        grep -aqF "xdg_toplevel@$id.set_app_id(\"$app_id\")" "$log" ||
            fail "$what: toplevel $id does not give the app id $app_id"
    done
    ids=$(grep -ao 'set_app_id("[^"]*")' "$log" | sort -u)
    [ "$ids" = "set_app_id(\"$app_id\")" ] || fail "$what: app ids given: $ids"
    echo "$what: app id $app_id"
    grep -aqF "xdg_toplevel@$pattern_top.set_parent(xdg_toplevel@$main_top)" "$log" ||
        fail "$what: the pattern window is not a child of the main window"
}

# Chosen by the player, with X11 at hand: Wayland it is.
start "$work/chosen.log" QT_QPA_PLATFORM=wayland
native "$work/chosen.log" 'QT_QPA_PLATFORM=wayland'
stop
# Wayland tells no program where its windows are: the placements stored
# under X11 stay as they were, for the next start there.
[ "$(setting MainForm)" = "$x11_placement" ] ||
    fail "MainForm $(setting MainForm) after Wayland, not $x11_placement as before"
[ "$(setting pleft),$(setting ptop)" = "$x11_pattern" ] ||
    fail "pattern window at $(setting pleft),$(setting ptop) after Wayland, not $x11_pattern"

# An X11 display that has gone (a stale DISPLAY): the game falls back to
# Wayland rather than fail.
gone=$((number + 1))
while [ -e "/tmp/.X11-unix/X$gone" ] || [ -e "/tmp/.X$gone-lock" ]; do gone=$((gone + 1)); done
start "$work/stale.log" DISPLAY=:$gone
native "$work/stale.log" "DISPLAY=:$gone with no X server"
stop

# Wayland alone, with no X11 display, for a new player: the main window is
# centred where it was put, the pattern window stands where it starts.
seed_english_silent
start "$work/alone.log" -u DISPLAY
native "$work/alone.log" 'Wayland alone'
stop
[ "$(setting pleft),$(setting ptop)" = "500,50" ] ||
    fail "pattern window stored at $(setting pleft),$(setting ptop), not 500,50"
placement=$(setting MainForm)
IFS=, read -r marker _ show left top right bottom <<<"$placement"
[ "$marker,$show" = "200,1" ] || fail "MainForm after Wayland: $placement"
centred() { [ $(($1 + $2 - $3)) -ge -1 ] && [ $(($1 + $2 - $3)) -le 1 ]; }
centred "$left" "$right" 1024 && centred "$top" "$bottom" 768 ||
    fail "MainForm not centred on the 1024x768 output: $placement"
echo "stored after a first start on Wayland: MainForm $placement"
echo "wayland: all cases hold"
