#include "platform/Twips.h"

#include <QWidget>
#include <algorithm>

#include "platform/Numeric.h"
#include "platform/Screen.h"

namespace platform {
namespace {

// Converts both edges the same way, so neighbours meet exactly.
std::pair<int, int> Span(double start, double length, double twipsPerPixel) {
    int from = Floor(start / twipsPerPixel);
    int to = Floor((start + length) / twipsPerPixel);
    if (to <= from) from = to - 1;
    return {from, to};
}

}  // namespace

QRect TwipsToPixels(double left, double top, double width, double height) {
    const auto [x0, x1] = Span(left, width, TwipsPerPixelX());
    const auto [y0, y1] = Span(top, height, TwipsPerPixelY());
    return QRect(x0, y0, x1 - x0, y1 - y0);
}

QRect ControlRect(int left, int top, int width, int height) {
    const double tx = TwipsPerPixelX();
    const double ty = TwipsPerPixelY();
    return QRect(RoundHalfEven(left / tx), RoundHalfEven(top / ty),
                 std::max(1, RoundHalfEven(width / tx)), std::max(1, RoundHalfEven(height / ty)));
}

void PlaceControl(QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(ControlRect(left, top, width, height));
}

void SetClientSizeTwips(QWidget* dialog, int width, int height) {
    dialog->setFixedSize(ControlRect(0, 0, width, height).size());
}

void MoveWindowTwips(QWidget* window, int left, int top) {
    window->move(RoundHalfEven(left / TwipsPerPixelX()), RoundHalfEven(top / TwipsPerPixelY()));
}

QSizeF OuterSizeTwips(const QWidget* window) {
    const QSize frame = window->frameGeometry().size();
    const QSize outer = frame.isValid() && !frame.isEmpty() ? frame : window->size();
    return QSizeF(outer.width() * TwipsPerPixelX(), outer.height() * TwipsPerPixelY());
}

}  // namespace platform
