# Desktops to run the game on: the window managers the desktop matrix and the
# flight benchmark use, each as its users run it (with its compositor where it
# has one), a 40-pixel panel, and another program's window over the field.
# Sourced after lib.sh; the packages beyond openbox are in
# scripts/desktop-packages.txt.

WINDOW_MANAGERS=(openbox xfwm4 marco kwin_x11 mutter icewm fluxbox)

window_manager_installed() {
    command -v "$1" >/dev/null
}

# A session bus of its own, which xfwm4, kwin and mutter look for their
# settings and services on.
start_session_bus() {
    local address
    address="$(dbus-daemon --session --fork --print-address=1 --print-pid=1 | tr '\n' ' ')"
    read -r DBUS_SESSION_BUS_ADDRESS bus_pid <<<"$address"
    export DBUS_SESSION_BUS_ADDRESS
    E2E_PIDS+=("$bus_pid")
    # No accessibility bus: it would outlive the session.
    export NO_AT_BRIDGE=1 GTK_A11Y=none
}

# Starts Xvfb (width x height) with the named window manager and waits for it;
# X_SERVER_PID and WINDOW_MANAGER_PID are their processes. The small window managers' own taskbars
# stay off, so that the panel is the only thing taking room.
start_window_manager() {
    local name="$1" size="$2"
    start_session_bus
    mkdir -p "$HOME/.icewm" "$HOME/.fluxbox"
    printf 'ShowTaskBar=0\nShowWorkspaceStatus=0\n' >"$HOME/.icewm/preferences"
    # Without a wallpaper of its own: fluxbox's fails under Xvfb and says so in
    # a window that takes the focus.
    printf 'background: none\n' >"$HOME/.fluxbox/overlay"
    printf 'session.screen0.toolbar.visible: false\nsession.styleOverlay: %s\n' \
        "$HOME/.fluxbox/overlay" >"$HOME/.fluxbox/init"
    case "$name" in
        openbox) start_desktop "$size" openbox --sm-disable ;;
        xfwm4) start_desktop "$size" xfwm4 --compositor=on --sm-client-disable ;;
        # marco's settings schema comes with mate-settings-daemon-common.
        marco) start_desktop "$size" env GSETTINGS_BACKEND=memory marco --sm-disable --composite ;;
        kwin_x11) start_desktop "$size" env QT_QPA_PLATFORM=xcb kwin_x11 ;;
        mutter) start_desktop "$size" mutter --x11 ;;
        icewm) start_desktop "$size" icewm ;;
        # fluxbox can hang on its way out: killed 2 s after it is asked to end.
        fluxbox) start_desktop "$size" timeout -k 2 infinity fluxbox ;;
        *) fail "unknown window manager $name" ;;
    esac
    X_SERVER_PID="${E2E_PIDS[-2]}"
    WINDOW_MANAGER_PID="${E2E_PIDS[-1]}"
    # Up once it publishes the work area: fluxbox names itself before it
    # hands out the focus.
    for _ in $(seq 200); do
        xprop -root _NET_WORKAREA 2>/dev/null | grep -q ' = ' && return 0
        sleep 0.05
    done
}

# A 40-pixel panel along the bottom with a task list; waits until the window
# manager has taken it off the work area (or 10 s for one that never does).
start_panel() {
    local profile="$HOME/.config/lxpanel/quorvane" bottom
    bottom=$(($(screen_height) - 40))
    mkdir -p "$profile/panels"
    printf '[Command]\nLogout=true\n' >"$profile/config"
    cat >"$profile/panels/panel" <<'PANEL'
Global {
    edge=bottom
    align=left
    margin=0
    widthtype=percent
    width=100
    height=40
    setdocktype=1
    setpartialstrut=1
}
Plugin {
    type=taskbar
    expand=1
}
PANEL
    XDG_CONFIG_HOME="$HOME/.config" lxpanel --profile quorvane >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    for _ in $(seq 200); do
        [[ "$(work_area_bottom)" == "$bottom" ]] && return 0
        sleep 0.05
    done
}

# The bottom edge of the work area the window manager publishes; the screen's
# height when it publishes none.
work_area_bottom() {
    local area
    area="$(xprop -root _NET_WORKAREA 2>/dev/null | sed -n 's/.* = //p' | cut -d, -f2,4 | tr -d ' ')"
    if [[ "$area" =~ ^([0-9]+),([0-9]+)$ ]]; then
        echo $((BASH_REMATCH[1] + BASH_REMATCH[2]))
    else
        screen_height
    fi
}

screen_height() {
    xwininfo -root | awk '/Height:/ {print $NF}'
}

# "x y width height" of the first shown window whose name matches.
geometry_of() {
    local id
    id="$(wait_window "$1" 20)" || return 1
    window_geometry "$id"
}

# Another program's window (COVER_PID) over the top rows of the hole's tree,
# made active. TREE_TOP is "x y" of the tree's top middle; false, with the
# reason in TREE_TOP, when the window manager put the window elsewhere. The
# window ends just below the tree's top, so that window managers that keep
# windows inside the work area leave it where it was put.
cover_tree() {
    local tx ty tw th cx cy cw ch cover
    read -r tx ty tw th <<<"$(geometry_of '^Quorvane tree$')"
    xmessage -geometry "120x40+$((tx - 60))+$((ty - 38))" -bg '#804000' cover >/dev/null 2>&1 &
    COVER_PID=$!
    E2E_PIDS+=("$COVER_PID")
    TREE_TOP="no window"
    cover="$(wait_window '^xmessage$' 10)" || return 1
    # fluxbox places new windows where it likes.
    xdotool windowmove --sync "$cover" $((tx - 60)) $((ty - 38)) 2>/dev/null || true
    xdotool windowactivate "$cover" 2>/dev/null || true
    for _ in $(seq 100); do
        [[ "$(xdotool getactivewindow 2>/dev/null)" == "$cover" ]] && break
        sleep 0.05
    done
    read -r cx cy cw ch <<<"$(window_geometry "$cover")"
    TREE_TOP="not covered (window at $cx,$cy)"
    ((cx <= tx && cx + cw > tx + tw / 2 && cy <= ty && cy + ch > ty)) || return 1
    TREE_TOP="$((tx + tw / 2)) $ty"
}

# True once the tree's top shows the covering window, within $1 seconds (one
# look for 0).
tree_covered() {
    local x y
    read -r x y <<<"$TREE_TOP"
    wait_until "$1" pixel_is root "$x" "$y" '#804000'
}
