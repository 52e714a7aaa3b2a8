# Shared by the end-to-end tests: a private X display with a window manager,
# started and stopped by process id, and small waits on windows.

E2E_PIDS=()

# Stops everything the test started; the test's own exit status is kept.
e2e_exit() {
    local status=$?
    set +e
    e2e_cleanup
    exit "$status"
}
trap e2e_exit EXIT

e2e_cleanup() {
    local pid
    for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${E2E_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
    if [[ -n "${E2E_DIR:-}" ]]; then rm -rf "$E2E_DIR"; fi
}

fail() {
    echo "FAIL: $*" >&2
    if [[ -s "${E2E_DIR:-}/out.log" ]]; then
        echo "The game's output:" >&2
        tail -n 20 "$E2E_DIR/out.log" >&2
    fi
    if [[ -n "${DISPLAY:-}" ]]; then import -window root "${E2E_SHOT:-/tmp/quorvane-e2e-fail.png}" 2>/dev/null || true; fi
    exit 1
}

# Copies the game into an empty folder of its own (E2E_DIR), where its
# settings file and message log land, with a home, configuration and runtime
# folder of its own there: files of the person running the tests never count.
prepare_game() {
    E2E_DIR="$(mktemp -d)"
    cp "$1" "$E2E_DIR/quorvane"
    export HOME="$E2E_DIR/home" XDG_CONFIG_HOME="$E2E_DIR/home/.config"
    export XDG_DATA_HOME="$E2E_DIR/home/.local/share"
    export XDG_RUNTIME_DIR="$E2E_DIR/runtime"
    mkdir -p "$HOME"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
}

# Starts Xvfb (width x height) and openbox, or the window manager command
# given after the size; sets DISPLAY.
start_desktop() {
    local size="$1" fd_file
    (($# > 1)) || set -- "$1" openbox --sm-disable
    fd_file="$(mktemp)"
    # Without -noreset the server resets whenever its last client leaves, and
    # a window manager connecting in that moment is refused.
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$fd_file" 2>/dev/null &
    E2E_PIDS+=($!)
    for _ in $(seq 100); do [[ -s "$fd_file" ]] && break; sleep 0.05; done
    [[ -s "$fd_file" ]] || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$fd_file")"
    rm -f "$fd_file"
    "${@:2}" >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    for _ in $(seq 400); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.05
    done
    fail "$2 did not start"
}

# Prints the id of the first visible window whose name matches, waiting up to $2 seconds.
wait_window() {
    local pattern="$1" seconds="${2:-10}" id
    for _ in $(seq $((seconds * 10))); do
        id="$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n1 || true)"
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# Absolute geometry of a window as "x y width height".
window_geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}

# True while the window exists and is mapped on screen.
window_viewable() {
    xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# Waits up to $2 seconds for a window to be closed or hidden.
wait_gone() {
    local id="$1" seconds="${2:-10}"
    for _ in $(seq $((seconds * 20))); do
        window_viewable "$id" || return 0
        sleep 0.05
    done
    return 1
}

# Waits up to $2 seconds for a window to hold the keyboard focus.
wait_focus() {
    local id="$1" seconds="${2:-5}"
    for _ in $(seq $((seconds * 20))); do
        [[ "$(xdotool getwindowfocus 2>/dev/null)" == "$id" ]] && return 0
        sleep 0.05
    done
    return 1
}

# Waits up to 10 s for the strip ($1) to lie with its top on row $3 (and,
# given, $4 pixels wide) and the ball ($2) to rest on it.
wait_hole_on_line() {
    local strip="$1" ball="$2" row="$3" width="${4:-}" sy sw by bh
    for _ in $(seq 100); do
        read -r _ sy sw _ <<<"$(window_geometry "$strip")"
        read -r _ by _ bh <<<"$(window_geometry "$ball")"
        if [[ "$sy" == "$row" && "${width:-$sw}" == "$sw" && $((by + bh)) == "$row" ]]; then
            return 0
        fi
        sleep 0.1
    done
    fail "the hole is not on row $row${width:+, $width wide}: strip at $sy, $sw wide, ball bottom at $((by + bh))"
}

# Runs the command every 50 ms until it succeeds, for up to $1 seconds.
wait_until() {
    local seconds="$1"
    shift
    for _ in $(seq $((seconds * 20))); do
        "$@" && return 0
        sleep 0.05
    done
    "$@"
}

# True while a pop-up of the game (a menu, a drop-down list) is open: a
# window the window manager does not manage, with the application's name
# (the field's windows name themselves).
popup_open() {
    local id
    for id in $(xdotool search --onlyvisible --classname '^quorvane$' 2>/dev/null); do
        [[ "$(xdotool getwindowname "$id" 2>/dev/null)" == Quorvane ]] || continue
        xwininfo -id "$id" 2>/dev/null | grep -q 'Override Redirect State: yes' && return 0
    done
    return 1
}
popup_closed() { ! popup_open; }

# The bar's two gauges, right of its labels and left of its button.
gauge_pixels() { import -window "$1" -crop 60x13+65+1 rgb:- 2>/dev/null | md5sum; }
# True when the bar's gauges change within a moment.
gauges_moving() {
    local before
    before="$(gauge_pixels "$1")"
    sleep 0.05
    [[ "$(gauge_pixels "$1")" != "$before" ]]
}

# True once the window's pixel at x,y has the colour (#RRGGBB).
pixel_is() {
    import -window "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null | tail -n1 | grep -qi "$4"
}

# Plays every bar that opens with the command $2 (given the bar's id) and
# dismisses every message box, until the score window shows or $1 seconds
# have passed. Sets score_window, shots and dismissed; the game is $game.
play_to_score_window() {
    local seconds="$1" play="$2" deadline=$(($SECONDS + $1)) id name height
    score_window="" shots=0 dismissed=0
    while [[ -z "$score_window" ]]; do
        ((SECONDS < deadline)) ||
            fail "the round did not end within $seconds s: $shots shots, $dismissed messages dismissed"
        kill -0 "$game" 2>/dev/null || fail "the game ended before the score window"
        for id in $(xdotool search --onlyvisible --name '^Quorvane( [#@*][0-9].*)?$' 2>/dev/null || true); do
            name="$(xdotool getwindowname "$id" 2>/dev/null || true)"
            if [[ "$name" == "Quorvane "[#@*][0-9]* ]]; then
                wait_focus "$id" 5 || fail "the bar '$name' did not take the keyboard focus"
                "$play" "$id"
                wait_gone "$id" 10 || fail "the bar '$name' stayed open after three presses"
                shots=$((shots + 1))
            elif [[ "$name" == "Quorvane" ]]; then
                read -r _ _ _ height <<<"$(window_geometry "$id")"
                if ((height > 400)); then
                    score_window="$id"
                else
                    xdotool windowactivate --sync "$id" key Return
                    wait_gone "$id" 10 || fail "a message box stayed open after Return"
                    dismissed=$((dismissed + 1))
                fi
            fi
            break
        done
        sleep 0.1
    done
}

# Saves the whole screen as $E2E_SHOTS/$1.png, only when E2E_SHOTS names a folder.
save_shot() {
    [[ -n "${E2E_SHOTS:-}" ]] || return 0
    mkdir -p "$E2E_SHOTS"
    import -window root "$E2E_SHOTS/$1.png"
}

# Milliseconds since the epoch.
now_ms() {
    echo $(($(date +%s%N) / 1000000))
}
