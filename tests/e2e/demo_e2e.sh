#!/usr/bin/env bash
# The game plays two rounds on its own, offscreen and without pauses, tells
# what it holds after each, and ends; it writes no settings file.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

prepare_game "$1"
HOME="$E2E_DIR" XDG_CONFIG_HOME="$E2E_DIR/.config" QT_QPA_PLATFORM=offscreen \
    QUORVANE_DEMO_FAST=1 QUORVANE_DEMO_ROUNDS=2 timeout 120 "$E2E_DIR/quorvane" --demo \
    >"$E2E_DIR/out.log" 2>&1 || fail "the demo ended with status $?: $(tail -5 "$E2E_DIR/out.log")"
grep -Eq '^round 2: [0-9]+ KiB resident, [0-9]+ windows$' "$E2E_DIR/out.log" ||
    fail "no report of round 2: $(grep round "$E2E_DIR/out.log")"
[[ ! -e "$E2E_DIR/QVN.ini" ]] || fail "the demo wrote the settings file"
echo "demo_e2e passed"
