#!/usr/bin/env bash
# A game started while every output is switched off (and the framebuffer
# shrunk under it) lays the hole on the root window's bottom row at its full
# width, and follows the screen when an output comes back.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

prepare_game "$1"
start_desktop 1280x800
xrandr --output screen --off >/dev/null 2>&1 || true
xrandr --fb 1024x768 >/dev/null 2>&1 || true
xrandr | grep -q '^screen connected [0-9]' && fail "the output is still on"
"$E2E_DIR/quorvane" "4T______P$(printf '_%.0s' {1..92})" >"$E2E_DIR/out.log" 2>&1 &
E2E_PIDS+=($!)
wait_window '^Quorvane #01 .*: 001$' 20 >/dev/null || fail "the first bar did not appear"
ball="$(wait_window '^Quorvane ball$' 5)"
strip="$(wait_window '^Quorvane course$' 5)"

wait_hole_on_line "$strip" "$ball" 764 1024
echo "without an output the hole lies on row 764, 1024 pixels wide"

xrandr --output screen --mode 1280x800 >/dev/null 2>&1 || fail "the output did not come back"
wait_hole_on_line "$strip" "$ball" 796 1280
wait_window '^Quorvane #01 .*: 001$' 10 >/dev/null || fail "no bar for the same stroke after the output came back"
echo "with the output back the hole lies on row 796, 1280 pixels wide"
echo "no_output_e2e passed"
