#!/usr/bin/env bash
# Starts the real game in an empty folder on a private desktop, accepts the
# start dialog and checks hole 1 lies where it belongs; then command lines the
# game refuses, with a display and without one.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

prepare_game "$1"
start_desktop 1280x800

"$E2E_DIR/quorvane" >"$E2E_DIR/out.log" 2>&1 &
E2E_PIDS+=($!)

dialog="$(wait_window '^Quorvane$' 15)" || fail "the start dialog did not appear"
# A real key press on the focused dialog: the dialog is gone before a key
# release sent to it by id could arrive.
xdotool windowactivate --sync "$dialog"
xdotool key Return

ball="$(wait_window '^Quorvane ball$' 15)" || fail "the ball did not appear"
strip="$(wait_window '^Quorvane course$' 5)" || fail "the course strip did not appear"
# The bar opens once the hole is laid out; the windows later holes need
# follow while it waits.
wait_window '^Quorvane #01 .*: 001$' 10 >/dev/null || fail "the bar did not appear"
wait_window '^Quorvane spare$' 5 >/dev/null || fail "no spare windows were made for later holes"

grep -q $'^Course=#\r$' "$E2E_DIR/QVN.ini" || fail "QVN.ini does not hold Course=#"

# No panel: the work area is the whole 800-pixel screen, so the ground line
# lies 50 twips (3.33 pixels) above its bottom, at pixel row 796.
read -r bx by bw bh <<<"$(window_geometry "$ball")"
read -r sx sy sw sh <<<"$(window_geometry "$strip")"
echo "ball $bx $by ${bw}x$bh, strip $sx $sy ${sw}x$sh"
[[ "$bw" == 5 && "$bh" == 5 ]] || fail "the ball is ${bw}x$bh pixels, not 5x5"
[[ "$bx" == 0 ]] || fail "the ball is not on the tee of hole 1 (x $bx)"
[[ "$sy" == 796 && "$sx" == 0 && "$sw" == 1280 ]] || fail "the strip is not across the screen above its bottom"
[[ $((by + bh)) == "$sy" ]] || fail "the ball does not rest on the ground line"
# The field's windows are parts of the game, not programs of their own: the
# window manager leaves them alone, so no taskbar or pager lists them.
for window in "$ball" "$strip"; do
    xwininfo -id "$window" | grep -q 'Override Redirect State: yes' ||
        fail "window $window is left to the window manager"
    [[ "$(xprop -root _NET_CLIENT_LIST)" != *"$(printf '0x%x' "$window")"* ]] ||
        fail "window $window is among the window manager's clients"
done
# Spare obstacle windows for later holes wait, concealed, at the top-left corner.
corner="$(import -window root -crop 1x1+0+0 txt:- | tail -n1)"
[[ "$corner" != *"#008000"* ]] || fail "a spare obstacle window shows at the top-left corner"
# A command line that is no hole string is refused on the terminal and, with
# a display there, with a message.
kill "${E2E_PIDS[-1]}"
wait "${E2E_PIDS[-1]}" 2>/dev/null || true
QUORVANE_MESSAGE_LOG="$E2E_DIR/messages.log" "$E2E_DIR/quorvane" "T_____P" >/dev/null 2>"$E2E_DIR/err.log" &
refused=$!
E2E_PIDS+=("$refused")
box="$(wait_window '^Quorvane$' 15)" || fail "no message for a bad command line"
xdotool windowactivate --sync "$box"
xdotool key Return
status=0
wait "$refused" || status=$?
[[ "$status" == 2 ]] || fail "a bad command line ended with status $status"
grep -q "コマンドラインにはホールの文字列を指定してください。" "$E2E_DIR/messages.log" ||
    fail "the bad command line message was not shown"
grep -q "コマンドラインにはホールの文字列を指定してください。" "$E2E_DIR/err.log" ||
    fail "the bad command line was not refused on standard error"

# Without a display: the usage or the reason on standard error, never Qt's abort.
for arguments in "-h" "--foo" "help" "4T$(printf '_%.0s' {1..1000})"; do
    status=0
    env -u DISPLAY "$E2E_DIR/quorvane" "$arguments" >"$E2E_DIR/out.log" 2>"$E2E_DIR/err.log" || status=$?
    [[ "$status" == 2 ]] || fail "'${arguments:0:20}' without a display ended with status $status"
    grep -q "^使い方: quorvane" "$E2E_DIR/err.log" || fail "'${arguments:0:20}' printed no usage"
    [[ ! -s "$E2E_DIR/out.log" ]] || fail "'${arguments:0:20}' printed on standard output"
done
grep -q "長すぎます" "$E2E_DIR/err.log" || fail "a too long hole was not explained: $(cat "$E2E_DIR/err.log")"
status=0
env -u DISPLAY "$E2E_DIR/quorvane" 2>"$E2E_DIR/err.log" || status=$?
[[ "$status" == 1 ]] || fail "the game without a display ended with status $status"
grep -q "ディスプレイがありません" "$E2E_DIR/err.log" || fail "no word about the missing display"
[[ "$(env -u DISPLAY "$E2E_DIR/quorvane" --version)" =~ ^Quorvane\ [0-9]+\.[0-9]+\.[0-9]+$ ]] ||
    fail "--version does not print the name and version"
env -u DISPLAY "$E2E_DIR/quorvane" --help | grep -q "^使い方: quorvane" || fail "--help prints no usage"
echo "hole_e2e passed"
