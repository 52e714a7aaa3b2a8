#!/usr/bin/env bash
# The course follows the screen: after the screen shrinks (xrandr) and after
# a panel takes the bottom 40 pixels, the hole lies on the new ground line and
# the ball rests on it before the next shot. The course editor follows too.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

prepare_game "$1"
start_desktop 1280x800
"$E2E_DIR/quorvane" "4T______P$(printf '_%.0s' {1..92})" >"$E2E_DIR/out.log" 2>&1 &
game=$!
E2E_PIDS+=("$game")
wait_window '^Quorvane #01 .*: 001$' 20 >/dev/null || fail "the first bar did not appear"
ball="$(wait_window '^Quorvane ball$' 5)"
strip="$(wait_window '^Quorvane course$' 5)"

wait_hole_on_line "$strip" "$ball" 796

# The work area ends at the new bottom: 768 x 15 - 50 twips is row 764.
xrandr --fb 1024x768 >/dev/null 2>&1 || true
wait_hole_on_line "$strip" "$ball" 764
wait_window '^Quorvane #01 .*: 001$' 10 >/dev/null || fail "no bar for the same stroke after the resize"
echo "after the resize the hole lies on row 764"

# A panel 40 pixels high at the bottom: the work area ends at 728, row 724.
xmessage -geometry +10+10 panel >/dev/null 2>&1 &
panel_pid=$!
E2E_PIDS+=("$panel_pid")
panel="$(wait_window '^xmessage$' 10)"
xprop -id "$panel" -f _NET_WM_STRUT_PARTIAL 32c \
    -set _NET_WM_STRUT_PARTIAL "0,0,0,40,0,0,0,0,0,0,0,1023"
wait_hole_on_line "$strip" "$ball" 724
echo "after the panel the hole lies on row 724"

# The editor lays its hole out again when the panel goes; its strip and tee
# are new windows then.
kill "$game"
"$E2E_DIR/quorvane" --edit "$E2E_DIR/USER.TXT" >"$E2E_DIR/out.log" 2>&1 &
E2E_PIDS+=($!)
wait_window '^Quorvane コース作成' 15 >/dev/null || fail "the editor did not open"
wait_hole_on_line "$(wait_window '^Quorvane course$' 5)" "$(wait_window '^Quorvane ball$' 5)" 724
kill "$panel_pid"
editor_on_row() {
    local strip ball
    strip="$(wait_window '^Quorvane course$' 1)" && ball="$(wait_window '^Quorvane ball$' 1)" &&
        [[ "$(window_geometry "$strip" | cut -d' ' -f2)" == "$1" ]] &&
        (($(window_geometry "$ball" | awk '{print $2 + $4}') == $1))
}
wait_until 10 editor_on_row 764 || fail "the editor's hole did not follow the work area to row 764"
echo "without the panel the editor's hole lies on row 764"
echo "screen_e2e passed"
