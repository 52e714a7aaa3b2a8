#!/usr/bin/env bash
# Plays a round of a short custom course, then reads it back: from the
# terminal while the score window is still up (the round is kept before it
# shows), and through 成績... in the start dialog of the next run, whose
# window exports the round as CSV through the desktop's file dialog.
# E2E_SHOTS=<folder> keeps screenshots of the statistics window and the
# file dialog.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

prepare_game "$1"
messages="$E2E_DIR/messages.log"
# On a 1024-pixel screen the cup lies two cells from the tee and water covers
# the rest: a strong shot lands in the water and is put back over the cup.
for _ in $(seq 18); do printf '@2TP%s\r\n' "$(printf 'W%.0s' {1..98})"; done >"$E2E_DIR/USER.TXT"
printf '[Setting]\r\nCourse=*\r\n' >"$E2E_DIR/QVN.ini"
start_desktop 1024x768

start_game() {
    QUORVANE_MESSAGE_LOG="$messages" "$E2E_DIR/quorvane" >>"$E2E_DIR/out.log" 2>&1 &
    game=$!
    E2E_PIDS+=("$game")
    start="$(wait_window '^Quorvane$' 20)" || fail "the start dialog did not appear"
    xdotool windowactivate --sync "$start"
}

game_ended() { ! kill -0 "$game" 2>/dev/null; }

# True once the gauge's top row shows that many pixels of its colour: red
# for power (2 a unit), green for loft (1.2 a unit).
gauge_reaches() {
    local pixels
    pixels="$(import -window "$1" -crop "62x1+64+$2" -depth 8 txt:- 2>/dev/null | grep -c "$3" || true)"
    ((pixels >= $4))
}

# Power about 20 and loft about 25: into the water, whatever the machine's pace.
play_shot() {
    xdotool key space
    wait_until 5 gauge_reaches "$1" 3 '#FF0000' 40 || fail "the power gauge did not rise"
    xdotool key space
    wait_until 5 gauge_reaches "$1" 8 '#00FF00' 30 || fail "the loft gauge did not rise"
    xdotool key space
}

start_game
xdotool key Return
play_to_score_window 200 play_shot
score="$score_window"
mapfile -t strokes < <(grep -oE '^Quorvane\|[0-9]+打で入りました！' "$messages" | grep -oE '[0-9]+')
((${#strokes[@]} == 18)) || fail "expected 18 hole-outs, the log has ${#strokes[@]}"
total=0
for n in "${strokes[@]}"; do total=$((total + n)); done
against=$((total - 36))
((against > 0)) && against="+$against"
((against == 0)) && against="±0"
echo "round over after $shots shots: ${strokes[*]} (total $total, $against)"

# Kept before the score window showed: a terminal reads it back at once.
stats="$(env -u DISPLAY "$E2E_DIR/quorvane" --stats)" || fail "--stats failed: $stats"
[[ "$stats" == "自作コース：1ラウンド  ベスト $against  平均 $against.0  池 "* ]] ||
    fail "--stats does not show the round: $stats"
echo "$stats"

# "終了" at 360,7440 twips in the score window's client area.
xdotool mousemove --window "$score" 53 507 click 1
wait_until 10 game_ended || fail "the program did not end after \"終了\""

# The next run: "成績..." at 2610,885 twips in the start dialog.
start_game
xdotool mousemove --window "$start" 200 70 click 1
window="$(wait_window '^Quorvane 成績$' 15)" || fail "the statistics window did not open"
read -r _ _ width height <<<"$(window_geometry "$window")"
save_shot statistics
# "CSVに書き出す..." in its bottom left corner.
xdotool mousemove --window "$window" 60 $((height - 23)) click 1
dialog="$(wait_window '^成績をCSVに書き出す$' 15)" || fail "the file dialog did not open"
save_shot file-dialog
csv="$E2E_DIR/rounds.csv"
xdotool windowactivate --sync "$dialog" key ctrl+a type "$csv"
xdotool key Return
wait_gone "$dialog" 10 || fail "the file dialog stayed open"
wait_until 5 test -s "$csv" || fail "no CSV was written"
xdotool windowactivate --sync "$window" key Escape
wait_gone "$window" 10 || fail "Escape did not close the statistics window"
xdotool windowactivate --sync "$start" key Escape
wait_until 10 game_ended || fail "the program did not end when the start dialog was left"

[[ "$(head -n1 "$csv")" == $'ラウンド,日時,コース,ホール,パー,打数,ペナルティ,バンカー,木\r' ]] ||
    fail "the CSV has no header: $(head -n1 "$csv")"
((($(wc -l <"$csv")) == 19)) || fail "the CSV does not hold 18 holes: $(cat "$csv")"
exported="$(tail -n +2 "$csv" | cut -d, -f6 | tr '\n' ' ')"
[[ "$exported" == "${strokes[*]} " ]] || fail "the CSV's strokes $exported are not the round's ${strokes[*]}"
penalties="$(tail -n +2 "$csv" | awk -F, '{ n += $7 } END { print n }')"
[[ "$stats" == *"池 ${penalties}回"* ]] || fail "the CSV's $penalties penalties are not those --stats counts: $stats"
tail -n +2 "$csv" | awk -F, '$1 != 1 || $3 != "自作コース" || $5 != 2 { exit 1 }' ||
    fail "the CSV's rows are not those of round 1 of the custom course: $(cat "$csv")"
echo "history_e2e passed"
