#!/usr/bin/env bash
# Water that runs to the strip's right end: two strong shots land in it, and
# the ball is put back on the strip each time, so taps can finish the hole.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

prepare_game "$1"
messages="$E2E_DIR/messages.log"
start_desktop 1280x800

hole="2TP$(printf 'W%.0s' {1..98})"
QUORVANE_MESSAGE_LOG="$messages" "$E2E_DIR/quorvane" "$hole" >"$E2E_DIR/out.log" 2>&1 &
E2E_PIDS+=($!)

ball="$(wait_window '^Quorvane ball$' 20)" || fail "the ball is not shown"
holed() { grep -q 'で入りました' "$messages" 2>/dev/null; }
strokes=0
while ! holed; do
    ((strokes < 25)) || fail "not holed after $strokes strokes"
    bar=""
    for _ in $(seq 300); do
        bar="$(xdotool search --onlyvisible --name '^Quorvane #01 ' 2>/dev/null | head -n1 || true)"
        if [[ -n "$bar" ]] || holed; then break; fi
        sleep 0.1
    done
    holed && break
    [[ -n "$bar" ]] || fail "no bar after stroke $strokes"
    read -r bx _ bw _ <<<"$(window_geometry "$ball")"
    ((bx >= 0 && bx + bw <= 1280)) || fail "the ball lies off the strip at x $bx before stroke $((strokes + 1))"
    wait_focus "$bar" 5 || fail "the bar did not take the keyboard focus"
    if ((strokes < 2)); then
        # Power near 28, loft near 20: a strong, flat shot.
        xdotool key space; sleep 0.3; xdotool key space; sleep 0.2; xdotool key space
    else
        xdotool key space space space
    fi
    wait_gone "$bar" 10 || fail "the bar stayed open after three presses"
    strokes=$((strokes + 1))
done
echo "holed after $strokes strokes: $(head -n1 "$messages")"
echo "water_e2e passed"
