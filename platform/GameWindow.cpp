#include "platform/GameWindow.h"

#include <QPainter>
#include <QShowEvent>
#include <algorithm>

#include "platform/Numeric.h"
#include "platform/Screen.h"
#include "platform/Twips.h"

namespace platform {

GameWindow::GameWindow(const QString& title, WindowInput input) {
    Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                            Qt::X11BypassWindowManagerHint;
    if (input == WindowInput::PassesThrough) flags |= Qt::WindowTransparentForInput;
    setWindowFlags(flags);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(title);
    setAutoFillBackground(false);
}

void GameWindow::Move(double left, double top) { Move(left, top, width_, height_); }

void GameWindow::Move(double left, double top, double width, double height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    ApplyGeometry();
}

// Most flight steps move the ball by less than a pixel: nothing to tell the
// window system then.
void GameWindow::ApplyGeometry() {
    QRect pixels = TwipsToPixels(left_, top_, width_, height_);
    if (keepPixelSize_) {
        const QSize size(std::max(1, RoundHalfEven(width_ / TwipsPerPixelX())),
                         std::max(1, RoundHalfEven(height_ / TwipsPerPixelY())));
        pixels = QRect(QPoint(pixels.left(), pixels.bottom() + 1 - size.height()), size);
    }
    if (pixels != geometry()) setGeometry(pixels);
}

void GameWindow::SetBackgroundColor(QRgb color) {
    if (color == backgroundColor_) return;
    backgroundColor_ = color;
    update();
}

void GameWindow::FillBox(const Box& box) {
    boxes_.append(box);
    update();
}

void GameWindow::ClearDrawing() {
    boxes_.clear();
    update();
}

void GameWindow::ShowInPlace() {
    show();
    ApplyGeometry();
}

void GameWindow::SetConcealed(bool concealed) {
    // A shape that lies wholly outside the window: an empty one would mean "no shape".
    if (concealed) {
        setMask(QRegion(-1, -1, 1, 1));
    } else {
        clearMask();
    }
}

void GameWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ApplyGeometry();
}

void GameWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(backgroundColor_));
    const double tx = TwipsPerPixelX();
    const double ty = TwipsPerPixelY();
    for (const Box& box : boxes_) {
        const QRectF r = box.twips.normalized();
        const QRect pixels(QPoint(Floor(r.left() / tx), Floor(r.top() / ty)),
                           QPoint(Floor(r.right() / tx), Floor(r.bottom() / ty)));
        painter.fillRect(pixels, QColor(box.color));
    }
}

}  // namespace platform
