#include "holeview/BallWindow.h"

#include <QMouseEvent>

#include "holeview/FieldGeometry.h"

namespace holeview {

BallWindow::BallWindow()
    : GameWindow(QStringLiteral("Quorvane ball"), platform::WindowInput::Accepts) {
    KeepPixelSize();
    Move(0, 0, kBallSize, kBallSize);
}

void BallWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit pressed(event->button(), event->globalPosition().toPoint());
}

}  // namespace holeview
