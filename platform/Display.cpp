#include "platform/Display.h"

#include <xcb/xcb.h>

#include <QByteArray>
#include <QtGlobal>

namespace platform {

bool DisplayAvailable() {
    const QByteArray platformName = qgetenv("QT_QPA_PLATFORM");
    if (!platformName.isEmpty() && !platformName.startsWith("xcb")) return true;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool connected = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return connected;
}

}  // namespace platform
