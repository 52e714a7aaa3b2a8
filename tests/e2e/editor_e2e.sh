#!/usr/bin/env bash
# The course editor from the start dialog: a bunker dragged onto hole 1 of a
# new course, saved as USER.TXT, and the custom course played from the start
# dialog that comes back, with the bunker where it was drawn.
# E2E_SHOTS=<folder> keeps a screenshot of the editor and of the hole in play.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

prepare_game "$1"
start_desktop 1280x800
QUORVANE_MESSAGE_LOG="$E2E_DIR/messages.log" "$E2E_DIR/quorvane" >"$E2E_DIR/out.log" 2>&1 &
game=$!
E2E_PIDS+=("$game")

user_line() { grep -qaxF "$1"$'\r' "$E2E_DIR/USER.TXT" 2>/dev/null; }

dialog="$(wait_window '^Quorvane$' 15)" || fail "the start dialog did not appear"
# コース作成... lies under the course choice: 1050, 1215 twips, 1395 x 345.
xdotool mousemove --window "$dialog" 116 92 click 1
editor="$(wait_window '^Quorvane コース作成 - USER.TXT' 15)" || fail "the editor did not open"
layer="$(wait_window '^Quorvane course editor strip$' 5)" || fail "no input layer over the strip"
xdotool windowactivate --sync "$editor"
xdotool key shift+w shift+b

# Columns are 12.8 pixels wide on the 1280-pixel screen: from column 20 to 25.
read -r _ ly _ lh <<<"$(window_geometry "$layer")"
y=$((ly + lh / 2))
xdotool mousemove 262 "$y" mousedown 1
for x in 275 288 300 313 326; do xdotool mousemove "$x" "$y"; done
xdotool mouseup 1
bunker="$(wait_window '^Quorvane bunker$' 5)" || fail "no bunker on the strip after the drag"
read -r bx _ bw _ <<<"$(window_geometry "$bunker")"
[[ "$bx $bw" == "256 76" ]] || fail "the bunker drawn lies at $bx, $bw wide, not at 256, 76 wide"
wait_focus "$editor" 5 || fail "the editor lost the keyboard"
save_shot editor
xdotool key ctrl+s
drawn="@4T$(printf '_%.0s' {1..18})BBBBBB$(printf '_%.0s' {1..54})P$(printf '_%.0s' {1..20})"
wait_until 10 user_line "$drawn" || fail "USER.TXT does not hold the bunker: $(head -c 300 "$E2E_DIR/USER.TXT" 2>/dev/null)"
(($(grep -ac '^@' "$E2E_DIR/USER.TXT") == 18)) || fail "USER.TXT does not hold 18 holes"

# Saved, the editor closes without a question; the start dialog comes back
# with the new course chosen.
xdotool key alt+F4
wait_gone "$editor" 10 || fail "the editor did not close"
dialog="$(wait_window '^Quorvane$' 15)" || fail "the start dialog did not come back"
xdotool windowactivate --sync "$dialog"
xdotool key Return
wait_window '^Quorvane \*01 \(4\)' 15 >/dev/null || fail "hole 1 of the custom course is not being played"
grep -q $'^Course=\\*\r$' "$E2E_DIR/QVN.ini" || fail "QVN.ini does not hold Course=*"
bunker="$(wait_window '^Quorvane bunker$' 5)" || fail "no bunker on hole 1 in play"
read -r px _ pw _ <<<"$(window_geometry "$bunker")"
[[ "$px $pw" == "$bx $bw" ]] || fail "in play the bunker lies at $px, $pw wide; it was drawn at $bx, $bw wide"
save_shot played
[[ ! -s "$E2E_DIR/messages.log" ]] || fail "unexpected messages: $(cat "$E2E_DIR/messages.log")"
kill "$game"
wait "$game" 2>/dev/null || true

# At scale 2, the band behind the strip shows the saved bunker's sand right
# above its window, drawn in the screen's own pixels.
start_desktop 2560x1600
QT_SCALE_FACTOR=2 "$E2E_DIR/quorvane" --edit "$E2E_DIR/USER.TXT" >"$E2E_DIR/out.log" 2>&1 &
E2E_PIDS+=($!)
layer="$(wait_window '^Quorvane course editor strip$' 15)" || fail "no editor at scale 2"
bunker="$(wait_window '^Quorvane bunker$' 5)" || fail "no bunker at scale 2"
read -r lx _ _ lh <<<"$(window_geometry "$layer")"
read -r bx _ bw _ <<<"$(window_geometry "$bunker")"
[[ "$bx $bw" == "512 152" ]] || fail "at scale 2 the bunker lies at $bx, $bw wide, not at 512, 152 wide"
wait_until 5 pixel_is "$layer" $((bx - lx + 4)) $((lh / 2 + 3)) "#ECCE96" ||
    fail "at scale 2 the band shows no sand above the bunker"
save_shot editor-scale-2
echo "editor_e2e passed"
