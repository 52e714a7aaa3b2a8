#include "platform/BoldLabel.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace platform {
namespace {

bool FaceHasBoldWeight(const QFont& font) {
    const QString family = QFontInfo(font).family();
    for (const QString& style : QFontDatabase::styles(family)) {
        if (QFontDatabase::weight(family, style) >= QFont::DemiBold) return true;
    }
    return false;
}

QFont Regular(QFont font) {
    font.setBold(false);
    return font;
}

}  // namespace

BoldLabel::BoldLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

bool BoldLabel::ThickensOutlines() const { return font().bold() && !FaceHasBoldWeight(font()); }

// About a sixteenth of the letter height, as a bold cut thickens its stems.
double BoldLabel::OutlinePenWidth() const { return QFontInfo(font()).pixelSize() / 16.0; }

QSize BoldLabel::sizeHint() const {
    const QSize hint = QLabel::sizeHint();
    if (!ThickensOutlines()) return hint;
    return hint + QSize(static_cast<int>(std::ceil(OutlinePenWidth())), 0);
}

void BoldLabel::paintEvent(QPaintEvent* event) {
    if (!ThickensOutlines()) {
        QLabel::paintEvent(event);
        return;
    }
    const QFont regular = Regular(font());
    const double pen = OutlinePenWidth();
    const QRect area = contentsRect();
    QPainterPath outlines;
    outlines.addText(area.left() + pen / 2, area.top() + QFontMetrics(regular).ascent(), regular,
                     text());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(foregroundRole());
    painter.setPen(QPen(ink, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(ink);
    painter.drawPath(outlines);
}

}  // namespace platform
