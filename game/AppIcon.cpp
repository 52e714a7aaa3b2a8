#include "game/AppIcon.h"

#include <QPainter>
#include <QPixmap>

namespace game {

QImage AppIconImage(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(QColor(66, 83, 164));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    painter.fillRect(0, 24, 32, 8, QColor(0, 160, 0));
    painter.fillRect(22, 6, 2, 18, QColor(192, 192, 192));
    painter.setBrush(QColor(255, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(QPolygon({QPoint(24, 6), QPoint(31, 9), QPoint(24, 12)}));
    painter.fillRect(10, 20, 2, 5, QColor(200, 40, 40));
    painter.setBrush(Qt::white);
    painter.setPen(QColor(160, 160, 160));
    painter.drawEllipse(QRectF(6.5, 11.5, 9, 9));
    return image;
}

QIcon AppIcon() { return QIcon(QPixmap::fromImage(AppIconImage(32))); }

}  // namespace game
