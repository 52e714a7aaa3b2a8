#include "desktop/ClockWindow.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWindow>

#include "desktop/ClockPlace.h"
#include "platform/Clock.h"
#include "platform/Numeric.h"
#include "platform/Screen.h"
#include "platform/TextFit.h"
#include "platform/Twips.h"
#include "settings/Profile.h"

namespace desktop {
namespace {

constexpr int kWidthTwips = 435;
constexpr int kHeightTwips = 480;
const QString kSection = QStringLiteral("Location");

// 29 x 32 pixels, drawn in the screen's own pixels: a white ball with
// dimples on a red tee in the grass. The blue around it lies outside the
// window's shape and never shows.
QImage ClockPicture(qreal scale) {
    QImage picture(QSize(29, 32) * scale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    picture.fill(qRgb(66, 83, 164));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // The ball covers the whole round top of the shape, the grass its base.
    QRadialGradient shading(QPointF(11, 10), 19);
    shading.setColorAt(0, Qt::white);
    shading.setColorAt(0.55, QColor(244, 244, 246));
    shading.setColorAt(1, QColor(170, 170, 178));
    painter.setBrush(shading);
    painter.drawEllipse(QRectF(-0.5, -0.5, 30, 30));
    painter.setBrush(QColor(200, 200, 206));
    for (const QPointF& dimple : {QPointF(8, 5), QPointF(14.5, 3), QPointF(21, 5), QPointF(4, 16),
                                  QPointF(25, 16), QPointF(9, 19.5), QPointF(20, 19.5)}) {
        painter.drawEllipse(dimple, 1.1, 1.1);
    }
    painter.setBrush(QColor(40, 150, 40));
    painter.drawRect(0, 21, 29, 11);
    painter.setBrush(QColor(20, 110, 25));
    for (int x : {1, 5, 9, 19, 23, 26}) painter.drawRect(x, 22 + x % 3, 1, 3);
    painter.setBrush(QColor(200, 30, 30));
    painter.drawRect(13, 24, 3, 7);
    painter.drawPolygon(
        QPolygonF({QPointF(9, 21), QPointF(20, 21), QPointF(16, 25), QPointF(13, 25)}));
    return picture;
}

}  // namespace

ClockWindow::ClockWindow(int gameWidthTwips) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Quorvane 中断中"));
    platform::SetClientSizeTwips(this, kWidthTwips, kHeightTwips);

    timeLabel_ = new QLabel(this);
    timeLabel_->setObjectName(QStringLiteral("timeLabel"));
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPointSizeF(8.25);
    timeLabel_->setFont(font);
    timeLabel_->setAlignment(Qt::AlignCenter);
    platform::PlaceControl(timeLabel_, 30, 135, 390, 180);
    ShowTime();
    platform::ShrinkTextToFit(timeLabel_);
    tick_.setInterval(1000);
    connect(&tick_, &QTimer::timeout, this, &ClockWindow::ShowTime);
    tick_.start();

    const QPoint place = ClockPlace(
        {settings::ReadSetting(kSection, QStringLiteral("Left")),
         settings::ReadSetting(kSection, QStringLiteral("Top")), gameWidthTwips,
         platform::RoundHalfEven(platform::WorkAreaBottomPx() * platform::TwipsPerPixelY()),
         platform::ScreenHeightTwips(), QSize(kWidthTwips, kHeightTwips)});
    platform::MoveWindowTwips(this, place.x(), place.y());
}

void ClockWindow::ShowTime() { timeLabel_->setText(platform::ClockText(platform::Now())); }

void ClockWindow::done(int result) {
    settings::WriteSetting(kSection, QStringLiteral("Left"),
                           platform::RoundHalfEven(x() * platform::TwipsPerPixelX()));
    settings::WriteSetting(kSection, QStringLiteral("Top"),
                           platform::RoundHalfEven(y() * platform::TwipsPerPixelY()));
    QDialog::done(result);
}

void ClockWindow::paintEvent(QPaintEvent*) {
    // A null image reports a ratio of 1, so it must be drawn the first time.
    if (picture_.isNull() || picture_.devicePixelRatio() != devicePixelRatioF()) {
        picture_ = ClockPicture(devicePixelRatioF());
    }
    QPainter(this).drawImage(0, 0, picture_);
}

// A press on the ball, not on the time, may start a drag.
void ClockWindow::mousePressEvent(QMouseEvent* event) {
    const bool onTime = childAt(event->position().toPoint()) == timeLabel_;
    dragFrom_ = event->button() == Qt::LeftButton && !onTime
                    ? std::optional(event->position().toPoint())
                    : std::nullopt;
}

// The window manager moves the window, as if its title bar had been grabbed.
// It takes over the pointer, so the move starts only once the pointer has
// moved: a double-click must still reach the window.
void ClockWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!dragFrom_ || !(event->buttons() & Qt::LeftButton)) return;
    const QPoint moved = event->position().toPoint() - *dragFrom_;
    if (moved.manhattanLength() < QApplication::startDragDistance()) return;
    dragFrom_.reset();
    if (QWindow* handle = windowHandle()) handle->startSystemMove();
}

void ClockWindow::mouseDoubleClickEvent(QMouseEvent*) { accept(); }

}  // namespace desktop
