#pragma once
// The game's own connection to the X server, for what the toolkit does not
// offer. Only the platform layer includes this.

#include <xcb/xcb.h>

#include <QByteArray>
#include <QPoint>
#include <array>
#include <cstdint>
#include <vector>

class QWidget;

namespace platform {

// Null off X11 (the tests' offscreen platform) or before the application is up.
xcb_connection_t* X11Connection();

// The server's atom for the name; with onlyIfExists, XCB_ATOM_NONE when no
// client has named it yet.
xcb_atom_t Atom(xcb_connection_t* connection, const char* name, bool onlyIfExists = false);

// The X event a native event filter was given, when it is one of that type
// (XCB_PROPERTY_NOTIFY, ...); null otherwise.
template <typename Event>
const Event* XcbEvent(const QByteArray& eventType, void* message, std::uint8_t type) {
    if (eventType != "xcb_generic_event_t") return nullptr;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    return (event->response_type & 0x7f) == type ? static_cast<const Event*>(message) : nullptr;
}

xcb_window_t RootWindow(xcb_connection_t* connection);
// A request about the window to the window manager: a client message of that
// type sent to the root window.
void AskWindowManager(xcb_connection_t* connection, xcb_window_t window, const char* type,
                      std::array<std::uint32_t, 5> data);
// Moves the widget's native window; false off X11.
bool MoveNativeWindow(QWidget& window, QPoint topLeft);
// Turns on or off the toolkit's notices of the window's moves, restacking,
// mapping and unmapping; nothing off X11.
void HearStructureChanges(QWidget& window, bool hear);
// Adds events to those the toolkit already hears from the root window.
void AddRootEvents(xcb_connection_t* connection, std::uint32_t mask);
// The window the window manager names active; 0 when none or no window
// manager says.
xcb_window_t ActiveWindow(xcb_connection_t* connection);
// The windows the window manager lists as those it manages.
std::vector<xcb_window_t> ManagedWindows(xcb_connection_t* connection);
// The root's child that holds the window: the window manager's frame around
// it, or the window itself.
xcb_window_t TopLevelOf(xcb_connection_t* connection, xcb_window_t window);
// The number of the extension's first event; 0 when the server lacks it.
uint8_t FirstEventOf(xcb_connection_t* connection, const char* extension);

}  // namespace platform
