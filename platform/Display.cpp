#include "platform/Display.h"

#include <xcb/xcb.h>

#include <QGuiApplication>

#include "platform/Program.h"

namespace platform {
namespace {

xcb_connection_t* X11Connection() {
    if (!qGuiApp) return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

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

void EndAtOnceWhenDisplayLost() {
    watchedConnection = X11Connection();
    if (watchedConnection) previousHandler = qInstallMessageHandler(EndIfDisplayLost);
}

}  // namespace platform
