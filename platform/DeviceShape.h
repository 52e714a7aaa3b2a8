#pragma once
// A window's shape in the screen's own pixels. The toolkit's masks are in
// scaled pixels and, at a fractional scale, round every rectangle on its own:
// a small disc comes out as a cross.

#include <QRegion>

class QWidget;

namespace platform {

// Shapes the shown area and the clickable area alike; false where the window
// system has no shapes of its own (the window keeps its toolkit mask then).
bool ShapeInDevicePixels(QWidget& window, const QRegion& devicePixels);

// A disc of the given diameter whose box starts at offset, in device pixels.
QRegion DeviceDisc(int offset, int diameter);

}  // namespace platform
