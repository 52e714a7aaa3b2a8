#include "platform/Windows.h"

#include <QPainter>
#include <QShowEvent>
#include <QWindow>
#include <cmath>

#include "platform/Numeric.h"
#include "platform/Screen.h"

namespace platform {
namespace {

// Converts both edges the same way, so neighbours meet exactly.
std::pair<int, int> Span(double start, double length, double twipsPerPixel) {
    int from = Int(start / twipsPerPixel);
    int to = Int((start + length) / twipsPerPixel);
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
    return QRect(Round(left / tx), Round(top / ty), std::max(1, Round(width / tx)),
                 std::max(1, Round(height / ty)));
}

void PlaceControl(QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(ControlRect(left, top, width, height));
}

void SetClientSizeTwips(QWidget* dialog, int width, int height) {
    dialog->setFixedSize(ControlRect(0, 0, width, height).size());
}

void MoveWindowTwips(QWidget* window, int left, int top) {
    window->move(Round(left / TwipsPerPixelX()), Round(top / TwipsPerPixelY()));
}

QSizeF OuterSizeTwips(const QWidget* window) {
    const QSize frame = window->frameGeometry().size();
    const QSize outer = frame.isValid() && !frame.isEmpty() ? frame : window->size();
    return QSizeF(outer.width() * TwipsPerPixelX(), outer.height() * TwipsPerPixelY());
}

GameWindow::GameWindow(const QString& title, WindowInput input, WindowManagement management) {
    Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;
    if (input == WindowInput::PassesThrough) flags |= Qt::WindowTransparentForInput;
    if (management == WindowManagement::Unmanaged) flags |= Qt::X11BypassWindowManagerHint;
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

void GameWindow::ApplyGeometry() { setGeometry(TwipsToPixels(left_, top_, width_, height_)); }

void GameWindow::SetBackColor(QRgb color) {
    backColor_ = color;
    update();
}

void GameWindow::FillBox(double x1, double y1, double x2, double y2, QRgb color) {
    boxes_.append({QRectF(QPointF(x1, y1), QPointF(x2, y2)), color});
    update();
}

void GameWindow::Cls() {
    boxes_.clear();
    update();
}

void GameWindow::ShowWindow() {
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
    painter.fillRect(rect(), QColor(backColor_));
    const double tx = TwipsPerPixelX();
    const double ty = TwipsPerPixelY();
    for (const Box& box : boxes_) {
        const QRectF r = box.twips.normalized();
        const int x0 = Int(r.left() / tx);
        const int x1 = Int(r.right() / tx);
        const int y0 = Int(r.top() / ty);
        const int y1 = Int(r.bottom() / ty);
        painter.fillRect(QRect(QPoint(x0, y0), QPoint(x1, y1)), QColor(box.color));
    }
}

}  // namespace platform

namespace platform {
namespace {

// setWindowFlags would hide a shown window; the widget's flags are updated
// quietly instead (showing copies them to the native window) and a native
// window that exists gets the flag directly.
void SetStaysOnTop(QWidget* window, bool onTop) {
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    window->overrideWindowFlags(flags);
    if (QWindow* handle = window->windowHandle()) handle->setFlag(Qt::WindowStaysOnTopHint, onTop);
}

}  // namespace

bool RaiseTopmost(QWidget* window) {
    if (!window) return false;
    SetStaysOnTop(window, true);
    if (!window->isVisible()) window->show();
    window->raise();
    return true;
}

bool LowerToBottom(QWidget* window) {
    if (!window) return false;
    SetStaysOnTop(window, false);
    if (!window->isVisible()) window->show();
    window->lower();
    return true;
}

}  // namespace platform
