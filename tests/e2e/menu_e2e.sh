#!/usr/bin/env bash
# The game menu on the control bar and on the flying ball: the restart from
# the bar, the pause behind the clock (dragged, then closed by a double-click,
# every window back in its place), and the exit during the gauges and during
# a flight. E2E_SHOTS=<folder> keeps screenshots of the menu and the clock.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

prepare_game "$1"
start_desktop 1280x800
# A long hole: no stroke from the tee reaches the cup at its far end.
hole="4T$(printf '_%.0s' {1..98})P"

start_game() {
    "$E2E_DIR/quorvane" "$hole" >"$E2E_DIR/out.log" 2>&1 &
    game=$!
    E2E_PIDS+=("$game")
}

# Every visible game window but the spare ones, with its geometry, one a line.
game_windows() {
    local id name
    for id in $(xdotool search --onlyvisible --name '^Quorvane' 2>/dev/null | sort); do
        name="$(xdotool getwindowname "$id" 2>/dev/null || true)"
        [[ "$name" == "Quorvane spare" || "$name" == "Quorvane 中断中" ]] && continue
        echo "$name $(window_geometry "$id")"
    done
}

# Opens the menu with the right button on the bar's shot button; "shift"
# offers the restart.
menu_on_bar() {
    local bar="$1" x y
    read -r x y _ _ <<<"$(window_geometry "$bar")"
    xdotool mousemove $((x + 133)) $((y + 7))
    if [[ "${2:-}" == shift ]]; then
        xdotool keydown shift click 3 keyup shift
    else
        xdotool click 3
    fi
    wait_until 5 popup_open || fail "the game menu did not open"
}

game_ended() { ! kill -0 "$game" 2>/dev/null; }
no_game_windows() { [[ -z "$(game_windows)" ]]; }
windows_as_before() { [[ "$(game_windows)" == "$before" ]]; }

start_game
bar="$(wait_window '^Quorvane #01 .*: 001$' 20)" || fail "the first bar did not appear"
wait_focus "$bar" 5 || fail "the bar did not take the focus"

# One stroke, then the restart from the bar brings back stroke 1 of hole 1.
xdotool key space; sleep 0.2; xdotool key space; sleep 0.2; xdotool key space
bar="$(wait_window '^Quorvane #01 .*: 002$' 30)" || fail "the bar for stroke 2 did not appear"
wait_focus "$bar" 5 || fail "the second bar did not take the focus"
menu_on_bar "$bar" shift
save_shot menu-on-bar
xdotool key Down Down Return
wait_gone "$bar" 5 || fail "the bar stayed open after the restart"
bar="$(wait_window '^Quorvane #01 .*: 001$' 10)" || fail "no bar for stroke 1 after the restart"
echo "restart from the bar: back at hole 1, stroke 1"

# The about window minimised by the window manager: a click on the bar brings
# it back in front, and its OK still ends it.
wait_focus "$bar" 5 || fail "the bar after the restart did not take the focus"
menu_on_bar "$bar"
xdotool key Down Down Down Down Return
about="$(wait_window '^ﾊﾞｰｼﾞｮﾝ情報$' 5)" || fail "the about window did not appear"
xdotool windowminimize "$about"
wait_gone "$about" 5 || fail "the about window was not minimised"
read -r x y _ _ <<<"$(window_geometry "$bar")"
xdotool mousemove $((x + 30)) $((y + 7)) click 1
wait_window '^ﾊﾞｰｼﾞｮﾝ情報$' 5 >/dev/null || fail "a click on the bar did not bring the about window back"
wait_focus "$about" 5 || fail "the about window came back without the keyboard"
xdotool key Return
wait_gone "$about" 5 || fail "OK did not close the about window"
echo "about window minimised, brought back by a click on the bar, closed"

# The pause: nothing of the game shows but the clock; afterwards every window
# is exactly where it was.
wait_focus "$bar" 5 || fail "the bar after the restart did not take the focus"
before="$(game_windows)"
menu_on_bar "$bar"
xdotool key Down Return
clock="$(wait_window '^Quorvane 中断中$' 5)" || fail "the clock did not appear"
wait_until 5 no_game_windows || fail "game windows still show during the pause: $(game_windows)"
save_shot clock
read -r cx cy cw ch <<<"$(window_geometry "$clock")"
[[ "$cx $cy $cw $ch" == "1251 768 29 32" ]] || fail "the clock is not in the bottom right corner: $cx $cy $cw $ch"
xdotool mousemove $((cx + 14)) $((cy + 27)) mousedown 1
for step in $(seq 1 10); do xdotool mousemove $((cx + 14 - step * 20)) $((cy + 27 - step * 20)); sleep 0.03; done
xdotool mouseup 1
clock_dragged() {
    read -r dx dy _ _ <<<"$(window_geometry "$clock")"
    ((dx < cx - 100 && dy < cy - 100))
}
wait_until 5 clock_dragged || fail "the clock was not dragged: $dx $dy"
xdotool mousemove $((dx + 14)) $((dy + 27)) click --repeat 2 --delay 80 1
wait_gone "$clock" 5 || fail "a double-click did not close the clock"
wait_until 5 windows_as_before ||
    fail "windows moved by the pause: $(diff <(echo "$before") <(game_windows))"
grep -q $'^Left='"$((dx * 15))"$'\r$' "$E2E_DIR/QVN.ini" || fail "the clock's place was not saved: $(cat "$E2E_DIR/QVN.ini")"
echo "pause: clock dragged to $dx,$dy and closed; $(echo "$before" | wc -l) windows back in place"

# The exit while the gauges run, from the keyboard alone: the Menu key.
wait_focus "$bar" 5 || fail "the bar did not get the focus back after the pause"
xdotool key space
wait_until 5 gauges_moving "$bar" || fail "the gauges did not start"
xdotool key Menu
wait_until 5 popup_open || fail "the Menu key did not open the game menu"
xdotool key Up Return
wait_until 5 game_ended || fail "the game did not end from the menu during the gauges"
no_game_windows || fail "windows stayed behind: $(game_windows)"
echo "exit during the gauges with the Menu key"

# The exit from the ball's menu in the middle of a flight.
start_game
bar="$(wait_window '^Quorvane #01 .*: 001$' 20)" || fail "the bar did not appear again"
wait_focus "$bar" 5 || fail "the bar did not take the focus again"
ball="$(wait_window '^Quorvane ball$' 5)"
read -r _ rest_y _ _ <<<"$(window_geometry "$ball")"
# Power near 20 and loft near 45: a high flight of well over a second.
xdotool key space; sleep 0.2; xdotool key space; sleep 0.25; xdotool key space
for _ in $(seq 300); do
    read -r _ by _ _ <<<"$(window_geometry "$ball")"
    ((by < rest_y - 10)) && break
    sleep 0.01
done
((by < rest_y - 10)) || fail "the ball never rose"
xdotool mousemove 600 400 click --window "$ball" 3
wait_until 5 popup_open || fail "the ball's menu did not open"
save_shot menu-on-ball
read -r _ paused_y _ _ <<<"$(window_geometry "$ball")"
sleep 0.3
read -r _ still_y _ _ <<<"$(window_geometry "$ball")"
[[ "$paused_y" == "$still_y" ]] || fail "the ball flew on while the menu was open"
xdotool key Up Return
wait_until 5 game_ended || fail "the game did not end from the ball's menu during a flight"
no_game_windows || fail "windows stayed behind: $(game_windows)"
echo "exit during a flight"
echo "menu_e2e passed"
