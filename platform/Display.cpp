#include "platform/Display.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <cstdlib>

#include "platform/Program.h"
#include "platform/X11.h"

namespace platform {
namespace {

xcb_connection_t* watchedConnection = nullptr;
QtMessageHandler previousHandler = nullptr;

// Qt reports a broken connection with a warning and then calls exit().
void EndIfDisplayLost(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    previousHandler(type, context, text);
    if (xcb_connection_has_error(watchedConnection)) EndProgram(1);
}

}  // namespace

bool DisplayAvailable() {
    const QByteArray platformName = qgetenv("QT_QPA_PLATFORM");
    if (!platformName.isEmpty() && !platformName.startsWith("xcb")) return true;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool connected = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return connected;
}

void SendPicturesInRequests() {
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
}

void EndAtOnceWhenDisplayLost() {
    watchedConnection = X11Connection();
    if (watchedConnection) previousHandler = qInstallMessageHandler(EndIfDisplayLost);
}

bool DisplayLost() {
    xcb_connection_t* connection = X11Connection();
    return connection && xcb_connection_has_error(connection) != 0;
}

bool ClipboardManagerRuns() {
    xcb_connection_t* connection = X11Connection();
    if (!connection) return false;
    const xcb_atom_t selection = Atom(connection, "CLIPBOARD_MANAGER", true);
    // The name is only known to the server once a manager has used it.
    if (selection == XCB_ATOM_NONE) return false;
    xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, selection), nullptr);
    const bool runs = owner && owner->owner != XCB_WINDOW_NONE;
    std::free(owner);
    return runs;
}

QString WindowManagerName() {
    xcb_connection_t* connection = X11Connection();
    if (!connection) return {};
    const auto read = [connection](xcb_window_t window, xcb_atom_t property, xcb_atom_t type) {
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, property, type, 0, 256), nullptr);
        QByteArray value;
        if (reply) {
            value = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                               xcb_get_property_value_length(reply));
            std::free(reply);
        }
        return value;
    };
    const QByteArray check =
        read(RootWindow(connection), Atom(connection, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW);
    if (check.size() < 4) return {};
    const auto manager = *reinterpret_cast<const xcb_window_t*>(check.constData());
    return QString::fromUtf8(
        read(manager, Atom(connection, "_NET_WM_NAME"), Atom(connection, "UTF8_STRING")));
}

}  // namespace platform
