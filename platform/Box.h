#pragma once

#include <QRectF>
#include <QRgb>

namespace platform {

// A solid box in twips from a window's top-left corner, both corners included.
struct Box {
    QRectF twips;
    QRgb color;
};

}  // namespace platform
