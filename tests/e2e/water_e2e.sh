#!/usr/bin/env bash
# Water that runs to the strip's right end: strong shots land in it, and the
# ball is put back on the strip every time, so the hole can be finished.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

prepare_game "$1"
messages="$E2E_DIR/messages.log"
start_desktop 1280x800

hole="2TP$(printf 'W%.0s' {1..98})"
QUORVANE_MESSAGE_LOG="$messages" "$E2E_DIR/quorvane" "$hole" >"$E2E_DIR/out.log" 2>&1 &
E2E_PIDS+=($!)

ball="$(wait_window '^Quorvane ball$' 20)" || fail "the ball is not shown"
strokes=0
until grep -q 'で入りました' "$messages" 2>/dev/null; do
    ((strokes < 25)) || fail "not holed after $strokes strokes"
    bar="$(wait_window '^Quorvane #01 .*' 30)" || {
        grep -q 'で入りました' "$messages" 2>/dev/null && break
        fail "no bar after stroke $strokes"
    }
    read -r bx _ bw _ <<<"$(window_geometry "$ball")"
    ((bx >= 0 && bx + bw <= 1280)) || fail "the ball lies off the strip at x $bx before stroke $((strokes + 1))"
    wait_focus "$bar" 5 || fail "the bar did not take the keyboard focus"
    # Power near 28, loft near 20: a strong, flat shot.
    xdotool key space; sleep 0.3; xdotool key space; sleep 0.2; xdotool key space
    wait_gone "$bar" 10 || fail "the bar stayed open after three presses"
    strokes=$((strokes + 1))
done
echo "holed after $strokes strokes: $(head -n1 "$messages")"
echo "water_e2e passed"
