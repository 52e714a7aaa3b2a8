#!/usr/bin/env bash
# Losing the display ends the game at once and quietly: its connection killed
# from the X side during a flight, then the X server killed while the bar
# waits. No crash, exit status 1, the settings file as it was.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

prepare_game "$1"
start_desktop 1280x800
settings=$'[Setting]\r\nAlwaysTop=TRUE\r\n[Data]\r\nHISCORE@=2024/05/01 10:00:00 > -3\r\n'
printf '%s' "$settings" >"$E2E_DIR/QVN.ini"
cp "$E2E_DIR/QVN.ini" "$E2E_DIR/before.ini"
# A long hole: no stroke from the tee reaches the cup.
hole="4T$(printf '_%.0s' {1..98})P"

start_game() {
    "$E2E_DIR/quorvane" "$hole" >"$E2E_DIR/out.log" 2>&1 &
    game=$!
    E2E_PIDS+=("$game")
    bar="$(wait_window '^Quorvane #01 .*: 001$' 20)" || fail "the bar did not appear"
    wait_focus "$bar" 5 || fail "the bar did not take the focus"
    ball="$(wait_window '^Quorvane ball$' 5)" || fail "the ball is not shown"
}

# Waits for the game to end; it must end as the program does after losing its
# display, not by a signal, and leave the settings file alone.
check_quiet_end() {
    local status=0
    for _ in $(seq 100); do
        kill -0 "$game" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$game" 2>/dev/null && fail "$1: the game still runs 10 s after losing its display"
    wait "$game" || status=$?
    [[ "$status" == 1 ]] || fail "$1: the game ended with status $status: $(cat "$E2E_DIR/out.log")"
    if grep -Eiq 'segmentation|sanitizer|core dumped|abort' "$E2E_DIR/out.log"; then
        fail "$1: the game crashed: $(cat "$E2E_DIR/out.log")"
    fi
    cmp -s "$E2E_DIR/QVN.ini" "$E2E_DIR/before.ini" || fail "$1: the settings file changed"
    echo "$1: ended with status $status"
}

start_game
read -r _ tee_y _ _ <<<"$(window_geometry "$ball")"
xdotool key space
sleep 0.3
xdotool key space
sleep 0.3
xdotool key space
airborne=""
for _ in $(seq 100); do
    read -r _ y _ _ <<<"$(window_geometry "$ball")"
    if ((y < tee_y)); then airborne=1 && break; fi
    sleep 0.02
done
[[ -n "$airborne" ]] || fail "the ball did not take off"
xkill -id "$ball" >/dev/null
check_quiet_end "connection killed in flight"

start_game
kill -9 "${E2E_PIDS[0]}"  # the X server
check_quiet_end "X server killed while the bar waits"
echo "display_e2e passed"
