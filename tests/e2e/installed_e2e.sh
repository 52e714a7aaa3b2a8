#!/usr/bin/env bash
# Where each copy keeps its settings when its folder may be written to (as
# root it always may): the portable copy from the build folder beside itself,
# the copy cmake installs in the player's configuration folder only.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

prepare_game "$1"
DESTDIR="$E2E_DIR/root" cmake --install "$(dirname "$1")" --prefix /usr >/dev/null
installed="$E2E_DIR/root/usr/games/quorvane"
per_user="$XDG_CONFIG_HOME/quorvane"
start_desktop 1280x800

# Starts the copy, takes the start dialog's OK, which stores the course, and
# ends the copy once its first hole is up.
choose_course() {
    local game start
    "$1" >"$E2E_DIR/out.log" 2>&1 &
    game=$!
    E2E_PIDS+=($game)
    start="$(wait_window '^Quorvane$' 15)" || fail "$1: the start dialog did not appear"
    xdotool windowactivate --sync "$start"
    xdotool key Return
    wait_window '^Quorvane #01 .*: 001$' 20 >/dev/null || fail "$1: the bar did not appear"
    kill "$game"
    wait "$game" || true
}

choose_course "$installed"
[[ -f "$per_user/QVN.ini" ]] || fail "the installed copy did not keep its settings per user"
[[ ! -e "${installed%/*}/QVN.ini" ]] || fail "the installed copy wrote its settings beside itself"

rm -rf "$per_user"
choose_course "$E2E_DIR/quorvane"
[[ -f "$E2E_DIR/QVN.ini" ]] || fail "the portable copy did not keep its settings beside itself"
[[ ! -e "$per_user" ]] || fail "the portable copy wrote its settings per user"
echo "installed_e2e passed"
