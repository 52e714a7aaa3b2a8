#include "platform/X11.h"

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
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

bool MoveNativeWindow(QWidget& window, QPoint topLeft) {
    xcb_connection_t* connection = X11Connection();
    if (!connection) return false;
    const std::uint32_t position[] = {static_cast<std::uint32_t>(topLeft.x()),
                                      static_cast<std::uint32_t>(topLeft.y())};
    xcb_configure_window(connection, static_cast<xcb_window_t>(window.winId()),
                         XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, position);
    xcb_flush(connection);
    return true;
}

void HearStructureChanges(QWidget& window, bool hear) {
    xcb_connection_t* connection = X11Connection();
    if (!connection) return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, id), nullptr);
    if (!attributes) return;
    std::uint32_t mask = attributes->your_event_mask;
    std::free(attributes);
    if (hear) {
        mask |= XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    } else {
        mask &= ~std::uint32_t(XCB_EVENT_MASK_STRUCTURE_NOTIFY);
    }
    xcb_change_window_attributes(connection, id, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
}

xcb_window_t RootWindow(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

void AskWindowManager(xcb_connection_t* connection, xcb_window_t window, const char* type,
                      std::array<std::uint32_t, 5> data) {
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = window;
    request.type = Atom(connection, type);
    std::copy(data.begin(), data.end(), request.data.data32);
    xcb_send_event(connection, 0, RootWindow(connection),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(connection);
}

void AddRootEvents(xcb_connection_t* connection, std::uint32_t mask) {
    const xcb_window_t root = RootWindow(connection);
    xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, root), nullptr);
    mask |= attributes ? attributes->your_event_mask : 0;
    std::free(attributes);
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
}

xcb_window_t ActiveWindow(xcb_connection_t* connection) {
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, RootWindow(connection),
                         Atom(connection, "_NET_ACTIVE_WINDOW"), XCB_ATOM_WINDOW, 0, 1),
        nullptr);
    if (!reply) return 0;
    xcb_window_t active = 0;
    if (xcb_get_property_value_length(reply) >= 4) {
        active = *static_cast<const xcb_window_t*>(xcb_get_property_value(reply));
    }
    std::free(reply);
    return active;
}

std::vector<xcb_window_t> ManagedWindows(xcb_connection_t* connection) {
    std::vector<xcb_window_t> clients;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, RootWindow(connection),
                         Atom(connection, "_NET_CLIENT_LIST"), XCB_ATOM_WINDOW, 0, 4096),
        nullptr);
    if (!reply) return clients;
    const auto* windows = static_cast<const xcb_window_t*>(xcb_get_property_value(reply));
    clients.assign(windows, windows + xcb_get_property_value_length(reply) / 4);
    std::free(reply);
    return clients;
}

xcb_window_t TopLevelOf(xcb_connection_t* connection, xcb_window_t window) {
    const xcb_window_t root = RootWindow(connection);
    for (;;) {
        xcb_query_tree_reply_t* tree =
            xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr);
        if (!tree) return window;
        const xcb_window_t parent = tree->parent;
        std::free(tree);
        if (parent == root || parent == XCB_WINDOW_NONE) return window;
        window = parent;
    }
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
