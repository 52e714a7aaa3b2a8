#include "platform/TaskbarHint.h"

#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/X11.h"

namespace platform {

// The toolkit keeps the states it finds on the window when it shows it, and
// the window manager drops them when the window is hidden: so they are set
// again before every showing.
void KeepOffTaskbar(QWidget& window) {
    xcb_connection_t* connection = X11Connection();
    if (!connection) return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t state = Atom(connection, "_NET_WM_STATE");
    std::vector<xcb_atom_t> states;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, id, state, XCB_ATOM_ATOM, 0, 64), nullptr);
    if (reply) {
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        states.assign(atoms, atoms + xcb_get_property_value_length(reply) / 4);
        std::free(reply);
    }
    for (const char* skip : {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}) {
        const xcb_atom_t atom = Atom(connection, skip);
        if (std::find(states.begin(), states.end(), atom) == states.end()) states.push_back(atom);
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(states.size()), states.data());
}

}  // namespace platform
