#include "platform/Boxes.h"

#include <QPainter>
#include <algorithm>

#include "platform/Numeric.h"
#include "platform/Screen.h"

namespace platform {

ColorBox::ColorBox(const QString& name, QRgb color, QWidget* parent)
    : QWidget(parent), color_(color) {
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColorBox::SetColor(QRgb color) {
    if (color == color_) return;
    color_ = color;
    update();
}

void ColorBox::paintEvent(QPaintEvent*) { QPainter(this).fillRect(rect(), QColor(color_)); }

StripedBox::StripedBox(const QString& name, const Stripes& rows, QWidget* parent)
    : QWidget(parent), rows_(rows) {
    setObjectName(name);
}

void StripedBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    constexpr double kStripeTwips = 15;
    const double twipsPerPixel = TwipsPerPixelY();
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        const int y0 = Floor(row * kStripeTwips / twipsPerPixel);
        const int y1 = Floor((row + 1) * kStripeTwips / twipsPerPixel);
        painter.fillRect(QRect(0, y0, width(), std::max(1, y1 - y0)), QColor(rows_[row]));
    }
}

}  // namespace platform
