#!/usr/bin/env bash
# With the player at another program, the next bar opens without taking the
# keyboard, its lamp black; a click on the bar, or on the ball, hands it the
# keyboard. While the player stays with the game, every bar takes it. A
# hole-out message waits the same way, under openbox and under icewm and
# fluxbox where installed: they give the keyboard to every new window.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/desktops.sh"

# Another program's window, the one the player turns to.
start_other_program() {
    xmessage -geometry +400+200 "another program" >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    other="$(wait_window '^xmessage$' 10)" || fail "xmessage did not start"
}

prepare_game "$1"
start_desktop 1280x800
start_other_program

# A long hole: no stroke from the tee reaches the cup at its far end.
"$E2E_DIR/quorvane" "4T$(printf '_%.0s' {1..98})P" >"$E2E_DIR/out.log" 2>&1 &
E2E_PIDS+=($!)
bar="$(wait_window '^Quorvane #01 .*: 001$' 20)" || fail "the first bar did not appear"
wait_focus "$bar" 5 || fail "the first bar did not take the keyboard"
ball="$(wait_window '^Quorvane ball$' 5)"

# The lamp at the bar's left edge.
lamp() { import -window "$1" -crop 1x1+2+5 -depth 8 txt:- 2>/dev/null | tail -n1; }

# Nothing marks the moment a window would have taken the keyboard: once it
# shows, the focus is watched for half a second.
keeps_focus_while_shown() {
    local window="$1" keeper="$2"
    wait_until 5 window_viewable "$window" || return 1
    for _ in $(seq 10); do
        [[ "$(xdotool getwindowfocus 2>/dev/null)" == "$keeper" ]] || return 1
        sleep 0.05
    done
}

ball_airborne() {
    local y
    read -r _ y _ _ <<<"$(window_geometry "$ball")"
    ((y < tee_y))
}

# A high stroke, and the player clicks into the other program while it flies.
stroke_then_leave() {
    read -r _ tee_y _ _ <<<"$(window_geometry "$ball")"
    xdotool key space; sleep 0.2; xdotool key space; sleep 0.25; xdotool key space
    wait_gone "$1" 5 || fail "the bar did not close after the stroke"
    wait_until 5 ball_airborne || fail "the ball did not take off"
    xdotool mousemove --window "$other" 30 12 click 1
    wait_focus "$other" 5 || fail "the other program did not get the keyboard"
}

stroke_then_leave "$bar"
bar="$(wait_window '^Quorvane #01 .*: 002$' 30)" || fail "the bar for stroke 2 did not appear"
keeps_focus_while_shown "$bar" "$other" || fail "the bar took the keyboard from the other program"
[[ "$(lamp "$bar")" == *"#000000"* ]] || fail "the lamp is not black: $(lamp "$bar")"
# It asks for no attention either: a mark a window manager puts on it (kwin
# does) is taken back.
xprop -id "$bar" -f _NET_WM_STATE 32a -set _NET_WM_STATE _NET_WM_STATE_DEMANDS_ATTENTION
asks_no_attention() { [[ "$(xprop -id "$bar" _NET_WM_STATE)" != *DEMANDS_ATTENTION* ]]; }
wait_until 5 asks_no_attention || fail "the waiting bar keeps asking for attention"
read -r x y _ _ <<<"$(window_geometry "$bar")"
xdotool mousemove $((x + 20)) $((y + 7)) click 1
wait_focus "$bar" 5 || fail "a click on the bar did not give it the keyboard"
wait_until 5 pixel_is "$bar" 2 5 '#FF0000' || fail "the lamp is not red after the click: $(lamp "$bar")"
echo "a click on the bar hands it the keyboard"

stroke_then_leave "$bar"
bar="$(wait_window '^Quorvane #01 .*: 003$' 30)" || fail "the bar for stroke 3 did not appear"
keeps_focus_while_shown "$bar" "$other" || fail "the third bar took the keyboard"
read -r bx by _ _ <<<"$(window_geometry "$ball")"
xdotool mousemove $((bx + 2)) $((by + 2)) click 1
wait_focus "$bar" 5 || fail "a click on the ball did not give the bar the keyboard"
echo "a click on the ball hands the bar the keyboard"

# With the player at the game, the next bar takes the keyboard as before.
xdotool key space; sleep 0.2; xdotool key space; sleep 0.25; xdotool key space
wait_gone "$bar" 5 || fail "the bar did not close after stroke 3"
bar="$(wait_window '^Quorvane #01 .*: 004$' 30)" || fail "the bar for stroke 4 did not appear"
wait_focus "$bar" 5 || fail "the bar did not take the keyboard with the player at the game"

# A hole-out message follows the same rule. On a 1024-pixel screen this hole's
# cup lies two cells from the tee with water beyond: a strong shot lands in
# the water and is put back over the cup.
message_waits() {
    kill "${E2E_PIDS[@]: -1}" 2>/dev/null || true
    start_window_manager "$1" 1024x768
    start_other_program
    "$E2E_DIR/quorvane" "2TP$(printf 'W%.0s' {1..98})" >"$E2E_DIR/out.log" 2>&1 &
    E2E_PIDS+=($!)
    bar="$(wait_window '^Quorvane [#@*][0-9]' 20)" || fail "$1: no bar on the water hole"
    wait_focus "$bar" 5 || fail "$1: the bar on the water hole did not take the keyboard"
    ball="$(wait_window '^Quorvane ball$' 5)"
    read -r _ tee_y _ _ <<<"$(window_geometry "$ball")"
    xdotool key space; sleep 0.22; xdotool key space; sleep 0.45; xdotool key space
    wait_gone "$bar" 5 || fail "$1: the bar did not close after the water shot"
    wait_until 5 ball_airborne || fail "$1: the ball did not take off over the water"
    xdotool mousemove --window "$other" 30 12 click 1
    wait_focus "$other" 5 || fail "$1: the other program did not get the keyboard"
    box="$(wait_window '^Quorvane$' 20)" || fail "$1: no hole-out message"
    keeps_focus_while_shown "$box" "$other" || fail "$1: the hole-out message took the keyboard"
    read -r x y _ _ <<<"$(window_geometry "$box")"
    xdotool mousemove $((x + 20)) $((y + 20)) click 1
    wait_focus "$box" 5 || fail "$1: a click on the message did not give it the keyboard"
    echo "$1: a hole-out message waits without the keyboard until clicked"
}

message_waits openbox
for manager in icewm fluxbox; do
    if window_manager_installed "$manager"; then message_waits "$manager"; fi
done
echo "focus_e2e passed"
