#include "platform/X11.h"

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>

namespace platform {

xcb_connection_t* X11Connection() {
    if (!qGuiApp) return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name, bool onlyIfExists) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, onlyIfExists, static_cast<uint16_t>(std::strlen(name)), name),
        nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

uint8_t FirstEventOf(xcb_connection_t* connection, const char* extension) {
    xcb_query_extension_reply_t* reply = xcb_query_extension_reply(
        connection,
        xcb_query_extension(connection, static_cast<uint16_t>(std::strlen(extension)), extension),
        nullptr);
    const uint8_t first = reply && reply->present ? reply->first_event : 0;
    std::free(reply);
    return first;
}

}  // namespace platform
