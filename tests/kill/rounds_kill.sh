#!/usr/bin/env bash
# Kills a program that keeps one round after another with kill -9, again and
# again at random moments, from before it opens the file to dozens of rounds
# in. Each time the file must be whole and hold every round reported kept,
# and at most the one that was being written.
set -euo pipefail
writer="$1"
kills="${2:-100}"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
file="$dir/quorvane/rounds.sqlite"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

held=0
for kill in $(seq "$kills"); do
    "$writer" keep "$file" >"$dir/kept" 2>"$dir/errors" &
    pid=$!
    sleep "$(printf '0.%03d' $((RANDOM % 80)))"
    kill -9 "$pid" 2>/dev/null || fail "the writer ended by itself: $(cat "$dir/errors")"
    wait "$pid" 2>/dev/null || true
    reported=$(grep -c '^kept$' "$dir/kept" || true)
    if [[ ! -e "$file" ]]; then
        ((reported == 0)) || fail "kill $kill: $reported rounds reported kept, no file"
        continue
    fi
    checked="$("$writer" check "$file" 2>&1)" || fail "kill $kill: $checked"
    now="${checked#rounds }"
    ((now >= held + reported && now <= held + reported + 1)) ||
        fail "kill $kill: $held rounds before, $reported reported kept, $now in the file"
    held="$now"
done
echo "rounds_kill passed: $kills kills, $held rounds whole in the file"
