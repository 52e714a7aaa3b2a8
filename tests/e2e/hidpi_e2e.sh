#!/usr/bin/env bash
# On screens scaled by 2 and by 1.5: the course strip lies just above the work
# area's bottom, the ball rests on it and is a disc, the bar opens above it, whole.
# E2E_SHOTS=<folder> keeps a screenshot of each.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

prepare_game "$1"
hole="4T__K__BB__W___P$(printf '_%.0s' {1..85})"

# Rows of the ball's magenta pixels, as widths, top to bottom.
disc_rows() {
    local ball="$1" x y w h
    read -r x y w h <<<"$(window_geometry "$ball")"
    import -window root -crop "${w}x${h}+$x+$y" -depth 8 txt:- 2>/dev/null |
        awk -F'[,:]' '/#FF00FF/ { n[$2]++ } END { for (r in n) print r, n[r] }' | sort -n |
        awk '{ printf "%s ", $2 }'
}

check_scale() {
    local scale="$1" size="$2" diameter="$3" bottom="$4"
    start_desktop "$size"
    QT_SCALE_FACTOR="$scale" "$E2E_DIR/quorvane" "$hole" >"$E2E_DIR/out.log" 2>&1 &
    local game=$!
    E2E_PIDS+=("$game")
    local bar ball strip
    bar="$(wait_window '^Quorvane [#@*][0-9]' 20)" || fail "no bar at scale $scale"
    ball="$(wait_window '^Quorvane ball$' 5)"
    strip="$(wait_window '^Quorvane course$' 5)"
    ball_painted() { [[ -n "$(disc_rows "$ball")" ]]; }
    wait_until 5 ball_painted || fail "at $scale the ball shows no disc"
    save_shot "scale-$scale"
    local sy sh by bh bary barh
    read -r _ sy _ sh <<<"$(window_geometry "$strip")"
    read -r _ by _ bh <<<"$(window_geometry "$ball")"
    read -r _ bary _ barh <<<"$(window_geometry "$bar")"
    # 50 twips above the work area's bottom, 40 high: it ends a scaled pixel short.
    ((sy + sh >= bottom - 3 && sy + sh <= bottom)) || fail "at $scale the strip ends at $((sy + sh)), not at $bottom"
    local rows
    rows="$(disc_rows "$ball")"
    echo "scale $scale: strip $sy+$sh, ball $by+$bh, bar $bary+$barh, disc rows: $rows"
    ((by + bh <= sy + 1)) || fail "at $scale the ball sinks into the strip"
    ((bary + barh <= by)) || fail "at $scale the bar covers the ball"
    local widths=($rows) reversed=()
    ((${#widths[@]} == diameter)) || fail "at $scale the ball is ${#widths[@]} rows high, not $diameter: $rows"
    for ((i = ${#widths[@]} - 1; i >= 0; i--)); do reversed+=("${widths[i]}"); done
    [[ "${widths[*]}" == "${reversed[*]}" ]] || fail "at $scale the ball is not symmetric: $rows"
    for w in "${widths[@]}"; do ((w >= 2)) || fail "at $scale the ball has a row of $w pixel: $rows"; done
    kill "$game"
    wait "$game" 2>/dev/null || true
}

# A 2560 x 1600 screen at 2 is 1280 x 800 to the game; 1920 x 1200 at 1.5 too.
check_scale 2 2560x1600 8 1600
check_scale 1.5 1920x1200 6 1200
echo "hidpi_e2e passed"
