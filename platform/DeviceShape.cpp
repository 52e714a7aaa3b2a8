#include "platform/DeviceShape.h"

#include <xcb/shape.h>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "platform/X11.h"

namespace platform {

bool ShapeInDevicePixels(QWidget& window, const QRegion& devicePixels) {
    xcb_connection_t* connection = X11Connection();
    if (!connection) return false;
    std::vector<xcb_rectangle_t> rectangles;
    for (const QRect& r : devicePixels) {
        rectangles.push_back({static_cast<int16_t>(r.x()), static_cast<int16_t>(r.y()),
                              static_cast<uint16_t>(r.width()), static_cast<uint16_t>(r.height())});
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    for (xcb_shape_kind_t kind : {XCB_SHAPE_SK_BOUNDING, XCB_SHAPE_SK_INPUT}) {
        xcb_shape_rectangles(connection, XCB_SHAPE_SO_SET, kind, XCB_CLIP_ORDERING_UNSORTED, id, 0,
                             0, static_cast<uint32_t>(rectangles.size()), rectangles.data());
    }
    xcb_flush(connection);
    return true;
}

QRegion DeviceDisc(int offset, int diameter) {
    QRegion disc;
    const double radius = diameter / 2.0;
    for (int row = 0; row < diameter; ++row) {
        const double dy = row + 0.5 - radius;
        int from = diameter;
        int to = -1;
        for (int column = 0; column < diameter; ++column) {
            const double dx = column + 0.5 - radius;
            if (dx * dx + dy * dy > radius * radius) continue;
            from = std::min(from, column);
            to = column;
        }
        if (to >= from) disc += QRect(offset + from, offset + row, to - from + 1, 1);
    }
    return disc;
}

}  // namespace platform
