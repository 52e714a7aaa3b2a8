#pragma once
// The game's own connection to the X server, for what the toolkit does not
// offer. Only the platform layer includes this.

#include <xcb/xcb.h>
#include <cstdint>

namespace platform {

// Null off X11 (the tests' offscreen platform) or before the application is up.
xcb_connection_t* X11Connection();

// The server's atom for the name; with onlyIfExists, XCB_ATOM_NONE when no
// client has named it yet.
xcb_atom_t Atom(xcb_connection_t* connection, const char* name, bool onlyIfExists = false);

// The number of the extension's first event; 0 when the server lacks it.
uint8_t FirstEventOf(xcb_connection_t* connection, const char* extension);

}  // namespace platform
