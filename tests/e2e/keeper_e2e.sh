#!/usr/bin/env bash
# The clipboard keeper on its own, fed the way the game and a shell feed it:
# an answer nobody reads, ten keepers at once, a closed standard output with
# an inherited descriptor, and a writer that never stops.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

prepare_game "$1"
start_desktop 1280x800
game="$E2E_DIR/quorvane"

clipboard_holds() { [[ "$(timeout 2 xclip -selection clipboard -o 2>/dev/null || true)" == "$1" ]]; }
keepers() { pgrep -x -f "$game --keep-clipboard" || true; }
no_keeper_left() { [[ -z "$(keepers)" ]]; }
take_clipboard() { echo other | timeout 2 xclip -selection clipboard -i >/dev/null 2>&1; }
file_there() { [[ -s "$1" ]]; }

# Nobody reads the answer: the keeper keeps the clipboard all the same, and
# ends well once another program takes it.
status="$E2E_DIR/status"
(
    set +e
    printf first | "$game" --keep-clipboard | true
    echo "${PIPESTATUS[1]}" >"$status"
) &
E2E_PIDS+=($!)
wait_until 10 clipboard_holds first ||
    fail "the keeper did not keep the clipboard (status $(cat "$status" 2>/dev/null))"
take_clipboard
wait_until 10 file_there "$status" || fail "the keeper still runs after another program took the clipboard"
[[ "$(cat "$status")" == 0 ]] || fail "the keeper whose answer nobody read ended with status $(cat "$status")"

# Ten at once: the one that holds the clipboard stays, and ends as another
# program takes it; the others end as they find they do not hold it.
ten=()
for i in $(seq 10); do
    printf "keeper %d" "$i" | setsid "$game" --keep-clipboard >"$E2E_DIR/answer$i" 2>/dev/null &
    ten+=($!)
done
E2E_PIDS+=("${ten[@]}")
answered_or_ended() {
    local i
    for i in $(seq 10); do
        [[ -s "$E2E_DIR/answer$i" ]] || ! kill -0 "${ten[i - 1]}" 2>/dev/null || return 1
    done
}
wait_until 20 answered_or_ended || fail "the ten keepers neither answered nor ended"
[[ "$(timeout 2 xclip -selection clipboard -o 2>/dev/null || true)" == keeper* ]] ||
    fail "none of the ten keepers holds the clipboard"
take_clipboard
wait_until 10 no_keeper_left || fail "$(keepers | wc -l) of ten keepers still run after another program took the clipboard"

# No standard output, a descriptor it has no use for, started in a folder of
# the game's: it keeps the clipboard, the folder and the descriptor are let go.
inherited="$E2E_DIR/inherited"
: >"$inherited"
(cd "$E2E_DIR" && printf second | "$game" --keep-clipboard >&- 7>"$inherited" 2>/dev/null) &
E2E_PIDS+=($!)
wait_until 10 clipboard_holds second || fail "a keeper without standard output lost the clipboard"
keeper="$(keepers)"
[[ "$(readlink "/proc/$keeper/cwd")" == / ]] || fail "the keeper stays in $(readlink "/proc/$keeper/cwd")"
if ls -l "/proc/$keeper/fd" | grep -qF "$inherited"; then fail "the keeper holds a descriptor it inherited"; fi
take_clipboard
wait_until 10 no_keeper_left || fail "the keeper without standard output still runs"

# A writer that never stops is let go after 4 MB, which the keeper keeps and
# says on its standard error that it cut.
written="$E2E_DIR/written"
(
    yes 0123456789 || true
    echo done >"$written"
) | "$game" --keep-clipboard >/dev/null 2>"$E2E_DIR/keeper.err" &
E2E_PIDS+=($!)
wait_until 10 file_there "$written" || fail "the writer is still kept waiting after the keeper read 4 MB"
kept_bytes() { [[ "$(timeout 2 xclip -selection clipboard -o 2>/dev/null | wc -c)" == 4194304 ]]; }
wait_until 10 kept_bytes || fail "the clipboard holds $(timeout 2 xclip -selection clipboard -o | wc -c) bytes, not 4 MB"
grep -q '4 MB' "$E2E_DIR/keeper.err" || fail "the keeper did not say it cut the text: $(cat "$E2E_DIR/keeper.err")"
take_clipboard
wait_until 10 no_keeper_left || fail "the keeper of 4 MB still runs"
echo "keeper_e2e passed"
