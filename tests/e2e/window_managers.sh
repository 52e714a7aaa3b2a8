# The window managers the desktop matrix and the flight benchmark run the game
# under, each as its users run it (with its compositor where it has one), and
# a 40-pixel panel. Sourced after lib.sh; the packages are in
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
    printf 'ShowTaskBar=0\n' >"$HOME/.icewm/preferences"
    printf 'session.screen0.toolbar.visible: false\n' >"$HOME/.fluxbox/init"
    case "$name" in
        openbox) start_desktop "$size" openbox --sm-disable ;;
        xfwm4) start_desktop "$size" xfwm4 --compositor=on --sm-client-disable ;;
        # marco's settings schema comes with mate-settings-daemon-common.
        marco) start_desktop "$size" env GSETTINGS_BACKEND=memory marco --sm-disable --composite ;;
        kwin_x11) start_desktop "$size" env QT_QPA_PLATFORM=xcb kwin_x11 ;;
        mutter) start_desktop "$size" mutter --x11 ;;
        icewm) start_desktop "$size" icewm ;;
        fluxbox) start_desktop "$size" fluxbox ;;
        *) fail "unknown window manager $name" ;;
    esac
    X_SERVER_PID="${E2E_PIDS[-2]}"
    WINDOW_MANAGER_PID="${E2E_PIDS[-1]}"
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
