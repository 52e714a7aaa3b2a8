#include "platform/GameWindow.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QMoveEvent>
#include <QPainter>
#include <QShowEvent>
#include <algorithm>

#include "platform/Numeric.h"
#include "platform/Screen.h"
#include "platform/Twips.h"
#include "platform/X11.h"

namespace platform {
namespace {

// The X server tells a window of every move. For each one the toolkit would
// ask the server three more times where the window's frame lies (a window the
// window manager leaves alone has none): a round trip at every step of a
// flight. The window moved itself and knows where it is; only a change of size
// is news to the toolkit.
class MovesTold : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        const auto* change =
            XcbEvent<xcb_configure_notify_event_t>(eventType, message, XCB_CONFIGURE_NOTIFY);
        if (!change) return false;
        const auto* window = qobject_cast<GameWindow*>(QWidget::find(change->window));
        return window && change->event == change->window &&
               window->size() == QSize(change->width, change->height);
    }
};

void TakeMovesAsTold() {
    static MovesTold filter;
    static const bool installed = (qApp->installNativeEventFilter(&filter), true);
    Q_UNUSED(installed);
}

}  // namespace

GameWindow::GameWindow(const QString& title, WindowInput input) {
    TakeMovesAsTold();
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
// window system then. A window that keeps its size is moved by the X server
// alone: the toolkit would also rewrite its size hints, which no window
// manager reads for it, and hear of the move again (see MovesTold).
void GameWindow::ApplyGeometry() {
    QRect pixels = TwipsToPixels(left_, top_, width_, height_);
    if (keepPixelSize_) {
        const QSize size(std::max(1, RoundHalfEven(width_ / TwipsPerPixelX())),
                         std::max(1, RoundHalfEven(height_ / TwipsPerPixelY())));
        pixels = QRect(QPoint(pixels.left(), pixels.bottom() + 1 - size.height()), size);
    }
    if (pixels == placed_) return;
    const QPoint from = placed_.topLeft();
    const bool moveOnly = testAttribute(Qt::WA_WState_Created) && pixels.size() == size() &&
                          devicePixelRatioF() == 1.0;
    placed_ = pixels;
    if (moveOnly && MoveNativeWindow(*this, pixels.topLeft())) {
        QMoveEvent moved(pixels.topLeft(), from);
        QCoreApplication::sendEvent(this, &moved);
        return;
    }
    setGeometry(pixels);
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

QuietMoves::QuietMoves(QWidget& window) : window_(window) { HearStructureChanges(window_, false); }

QuietMoves::~QuietMoves() { HearStructureChanges(window_, true); }

}  // namespace platform
