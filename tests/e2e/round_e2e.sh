#!/usr/bin/env bash
# Plays a whole round of one short hole given on the command line, pressing
# Space on every bar and dismissing every message, up to the score window.
# Its "コピー" puts the scores on the clipboard and "終了" ends the program;
# with no clipboard manager running, the scores can still be pasted after the
# end, until another program takes the clipboard.
# E2E_SHOTS=<folder> keeps a screenshot of the score window.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

prepare_game "$1"
messages="$E2E_DIR/messages.log"
start_desktop 1024x768

# On a 1024-pixel screen the cup lies two cells from the tee and water covers
# the rest: a strong shot lands in the water and is put back over the cup.
hole="2TP$(printf 'W%.0s' {1..98})"
QUORVANE_MESSAGE_LOG="$messages" "$E2E_DIR/quorvane" "$hole" >"$E2E_DIR/out.log" 2>&1 &
game=$!
E2E_PIDS+=("$game")

# Power near 22 (1 unit per 10 ms, bouncing at 30) and loft near 25 (bouncing
# at 50); a slower machine gives less power and more loft, still in the water.
play_shot() {
    xdotool key space
    sleep 0.22
    xdotool key space
    sleep 0.45
    xdotool key space
}

started=$SECONDS
play_to_score_window 150 play_shot
score="$score_window"
echo "round over after $((SECONDS - started)) s: $shots shots, $dismissed messages dismissed"

# Each logged message is "title|text" followed by a "--" line.
entries() { awk 'BEGIN { RS = "\n--\n" } { print NR ": " $0 }' "$messages"; }
holed="$(grep -Ec '^Quorvane\|[0-9]+打で入りました！' "$messages" || true)"
total="$(grep -c '^--$' "$messages" || true)"
[[ "$holed" == 18 && "$total" == 18 ]] || fail "expected 18 hole-out messages, the log holds $holed of $total: $(entries)"
last_lines="$(awk 'BEGIN { RS = "\n--\n"; FS = "\n" } { print $NF }' "$messages")"
[[ "$(sed -n 17p <<<"$last_lines")" == "次は最終ホールです！" ]] || fail "the 17th message does not announce the last hole: $(entries)"
[[ "$(sed -n 18p <<<"$last_lines")" == "全ホール終了です。お疲れ様でした！" ]] || fail "the last message does not end the round: $(entries)"
for n in $(seq 16); do
    [[ "$(sed -n "${n}p" <<<"$last_lines")" == "次は $((n + 1))番ホールです！" ]] || fail "message $n does not name hole $((n + 1)): $(entries)"
done

read -r wx wy width height <<<"$(window_geometry "$score")"
echo "score window at $wx,$wy, ${width}x$height"
wait_focus "$score" 5 || fail "the score window did not take the keyboard"
save_shot score

# "コピー" sits at 1275,7440 twips in the client area, "終了" at 360,7440,
# both 870 x 330 twips.
xdotool mousemove --window "$score" 114 507 click 1
copied=""
for _ in $(seq 50); do
    copied="$(xdotool search --onlyvisible --name '^Quorvane$' 2>/dev/null | grep -vx "$score" | head -n1 || true)"
    [[ -n "$copied" ]] && break
    sleep 0.1
done
[[ -n "$copied" ]] || fail "no confirmation after \"コピー\""
xdotool windowactivate --sync "$copied"
xdotool key Return
wait_gone "$copied" 10 || fail "the confirmation stayed open after Return"
grep -q "スコアをクリップボードにコピーしました！" "$messages" || fail "the copy was not confirmed"
scores="$(xclip -selection clipboard -o 2>/dev/null || true)"
[[ "$scores" == *$'\t'* ]] || fail "the clipboard holds no scores: '$scores'"

xdotool mousemove --window "$score" 53 507 click 1
for _ in $(seq 100); do
    kill -0 "$game" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$game" 2>/dev/null && fail "the program is still running 10 s after \"終了\""
status=0
wait "$game" || status=$?
[[ "$status" == 0 ]] || fail "the program ended with status $status"
[[ "$(xclip -selection clipboard -o 2>/dev/null || true)" == "$scores" ]] ||
    fail "the scores were lost from the clipboard when the program ended"

# The process that kept them ends once another program takes the clipboard.
keeper="$(pgrep -x -f "$E2E_DIR/quorvane --keep-clipboard" || true)"
[[ -n "$keeper" ]] || fail "no process keeps the clipboard"
echo other | xclip -selection clipboard -i >/dev/null 2>&1
for _ in $(seq 50); do
    [[ "$(ps -o stat= -p "$keeper" 2>/dev/null || true)" =~ ^(Z.*)?$ ]] && break
    sleep 0.1
done
[[ "$(ps -o stat= -p "$keeper" 2>/dev/null || true)" =~ ^(Z.*)?$ ]] ||
    fail "the clipboard keeper still runs after another program took the clipboard"
echo "round_e2e passed"
