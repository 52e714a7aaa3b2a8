#!/usr/bin/env bash
# The settings dialog from the start dialog: the fastest speed and a red ball
# chosen, OK, then the game: the gauges move six units a step and the ball
# flies red. E2E_SHOTS=<folder> keeps a screenshot of the dialog's preview.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

prepare_game "$1"
start_desktop 1280x800
"$E2E_DIR/quorvane" >"$E2E_DIR/out.log" 2>&1 &
E2E_PIDS+=($!)

start="$(wait_window '^Quorvane$' 15)" || fail "the start dialog did not appear"
xdotool windowactivate --sync "$start"
# "設定..." at 2610,480 twips, 795 x 345.
xdotool mousemove --window "$start" 200 43 click 1
settings=""
for _ in $(seq 50); do
    for id in $(xdotool search --onlyvisible --name '^Quorvane$' 2>/dev/null); do
        [[ "$id" != "$start" ]] && settings="$id"
    done
    [[ -n "$settings" ]] && break
    sleep 0.1
done
[[ -n "$settings" ]] || fail "the settings dialog did not open"
wait_focus "$settings" 5 || fail "the settings dialog did not take the keyboard"
save_shot settings-preview
# The speed list in the speed frame, the colour list in the colour frame:
# each opens, its last entry is taken ("5", "赤").
xdotool mousemove --window "$settings" 99 30 click 1
wait_until 5 popup_open || fail "the speed list did not open"
xdotool key End Return
wait_until 5 popup_closed || fail "the speed list did not close"
xdotool mousemove --window "$settings" 155 31 click 1
wait_until 5 popup_open || fail "the colour list did not open"
xdotool key End Return
wait_until 5 popup_closed || fail "the colour list did not close"
# OK at 1650,990 twips.
xdotool mousemove --window "$settings" 136 77 click 1
wait_gone "$settings" 5 || fail "OK did not close the settings dialog"
grep -q $'^PlusMinus=10\r$' "$E2E_DIR/QVN.ini" || fail "the speed was not stored: $(cat "$E2E_DIR/QVN.ini")"
grep -q $'^BColor=\x90\xd4\r$' "$E2E_DIR/QVN.ini" || fail "the colour was not stored"

xdotool windowactivate --sync "$start"
xdotool key Return
bar="$(wait_window '^Quorvane #01 .*: 001$' 20)" || fail "the bar did not appear"
wait_focus "$bar" 5 || fail "the bar did not take the focus"

# The power gauge's top row is red across the power level times 2 pixels.
power_width() {
    import -window "$bar" -crop 62x1+64+3 -depth 8 txt:- 2>/dev/null | grep -c '#FF0000' || true
}
xdotool key space
widths=""
for _ in $(seq 30); do
    widths+="$(power_width) "
    sleep 0.03
done
echo "power gauge widths: $widths"
distinct="$(tr ' ' '\n' <<<"$widths" | grep . | sort -un | tr '\n' ' ')"
for w in $distinct; do
    [[ " 2 14 26 38 50 " == *" $w "* ]] || fail "a power gauge width $w is not a level of speed 6: $widths"
done
(($(wc -w <<<"$distinct") >= 2)) || fail "the power gauge did not move: $widths"

# The ball shows the player's colour from the launch until it rests.
ball="$(wait_window '^Quorvane ball$' 5)"
xdotool key space
sleep 0.15
xdotool key space
seen=""
for _ in $(seq 300); do
    color="$(import -window "$ball" -crop 1x1+2+2 -depth 8 txt:- 2>/dev/null | tail -n1)"
    [[ "$color" == *"#FE0000"* ]] && break
    seen+="${color##* } "
done
[[ "$color" == *"#FE0000"* ]] || fail "the ball was never red in flight: $(tr ' ' '\n' <<<"$seen" | sort | uniq -c)"
echo "settings_e2e passed"
