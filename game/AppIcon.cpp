#include "game/AppIcon.h"

#include <QPainter>
#include <QPixmap>

namespace game {

QIcon AppIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(QColor(66, 83, 164));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(0, 24, 32, 8, QColor(0, 160, 0));
    painter.fillRect(22, 6, 2, 18, QColor(192, 192, 192));
    painter.setBrush(QColor(255, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(QPolygon({QPoint(24, 6), QPoint(31, 9), QPoint(24, 12)}));
    painter.fillRect(10, 20, 2, 5, QColor(200, 40, 40));
    painter.setBrush(Qt::white);
    painter.setPen(QColor(160, 160, 160));
    painter.drawEllipse(QRectF(6.5, 11.5, 9, 9));
    return QIcon(pixmap);
}

}  // namespace game
