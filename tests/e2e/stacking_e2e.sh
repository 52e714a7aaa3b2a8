#!/usr/bin/env bash
# The field among other programs' windows: kept in front (常に手前に表示), a
# window the player turns to leaves a tree of the hole in front; otherwise it
# covers the tree, and the tree comes back when the player returns to the bar.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/desktops.sh"

prepare_game "$1"
start_desktop 1280x800
hole="4T__________K__________________P$(printf '_%.0s' {1..68})"

# Starts the game with the setting on (TRUE) or off; prints the bar.
play() {
    printf '[Setting]\r\nAlwaysTop=%s\r\n' "$1" >"$E2E_DIR/QVN.ini"
    "$E2E_DIR/quorvane" "$hole" >>"$E2E_DIR/out.log" 2>&1 &
    E2E_PIDS+=($!)
    wait_window '^Quorvane #01 .*: 001$' 20 || fail "the bar did not appear"
}

play TRUE >/dev/null
cover_tree || fail "could not put a window over the tree: $TREE_TOP"
! tree_covered 1 || fail "another program's window covers the field kept in front"
kill "$COVER_PID" "${E2E_PIDS[-2]}"

bar="$(play FALSE)"
cover_tree || fail "could not put a window over the tree: $TREE_TOP"
tree_covered 5 || fail "the field stays over the window the player turned to"
xdotool windowactivate "$bar"
for _ in $(seq 50); do
    tree_covered 0 || break
    sleep 0.1
done
! tree_covered 0 || fail "the field stays behind when the player returns to the bar"
echo "stacking_e2e passed"
