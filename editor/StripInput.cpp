#include "editor/StripInput.h"

#include <QMouseEvent>
#include <QPainter>

#include "editor/HoleEdits.h"
#include "holeview/FieldGeometry.h"
#include "platform/Numeric.h"
#include "platform/Screen.h"

namespace editor {
namespace {

const QColor kBand(226, 236, 246);
const QColor kOutsideHole(196, 202, 210);
const QColor kUnderPointer(255, 232, 120);
const QColor kTick(150, 160, 172);
const QColor kTenthTick(70, 80, 92);
const QColor kCursor(0, 0, 160);
const QColor kSand(236, 206, 150);
const QColor kWater(170, 196, 250);

}  // namespace

StripInput::StripInput()
    : GameWindow(QStringLiteral("Quorvane course editor strip"), platform::WindowInput::Accepts) {
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
}

void StripInput::Place(std::int32_t groundY, std::int32_t screenWidth) {
    Move(0, groundY - kHeightAboveGround, screenWidth, kHeightAboveGround + holeview::kStripHeight);
}

void StripInput::SetGuide(const StripGuide& guide) {
    if (guide == guide_) return;
    guide_ = guide;
    Redraw();
}

QRectF StripInput::ColumnRect(int column) const {
    const double pixels = guide_.cellWidth / platform::TwipsPerPixelX();
    const int left = platform::Floor(column * pixels);
    return QRectF(left, 0, platform::Floor((column + 1) * pixels) - left, height());
}

int StripInput::ColumnUnder(const QMouseEvent* event) const {
    return ColumnAt(event->position().x() * platform::TwipsPerPixelX(), guide_.cellWidth);
}

void StripInput::SetPointerColumn(std::optional<int> column) {
    if (column == pointerColumn_) return;
    pointerColumn_ = column;
    Redraw();
}

void StripInput::Redraw() {
    picture_ = QPixmap();
    update();
}

// Every window of the hole stands over the band: each one moved exposes a
// piece of it, which is copied from the picture rather than drawn again.
void StripInput::paintEvent(QPaintEvent* event) {
    const qreal scale = devicePixelRatioF();
    if (picture_.isNull() || picture_.deviceIndependentSize() != QSizeF(size()) ||
        picture_.devicePixelRatio() != scale) {
        picture_ = QPixmap((QSizeF(size()) * scale).toSize());
        picture_.setDevicePixelRatio(scale);
        QPainter painter(&picture_);
        Draw(painter);
    }
    const QRectF exposed(event->rect());
    QPainter(this).drawPixmap(exposed, picture_,
                              QRectF(exposed.topLeft() * scale, exposed.size() * scale));
}

void StripInput::Draw(QPainter& painter) {
    painter.fillRect(rect(), kBand);
    if (guide_.cellWidth <= 0) return;
    if (guide_.lastCell + 1 < kColumns) {
        const QRectF outside = ColumnRect(guide_.lastCell + 1);
        painter.fillRect(QRectF(outside.left(), 0, width() - outside.left(), height()),
                         kOutsideHole);
    }
    const double twipsPerPixel = platform::TwipsPerPixelX();
    for (const HazardSpan& hazard : guide_.hazards) {
        const int left = platform::Floor(hazard.left / twipsPerPixel);
        const int right = platform::Floor((hazard.left + hazard.width) / twipsPerPixel);
        painter.fillRect(QRectF(left, height() / 2.0, right - left, height()),
                         hazard.water ? kWater : kSand);
    }
    if (pointerColumn_) painter.fillRect(ColumnRect(*pointerColumn_), kUnderPointer);
    QFont font = painter.font();
    font.setPixelSize(std::max(6, height() / 3));
    painter.setFont(font);
    for (int column = 1; column < kColumns; ++column) {
        const QRectF cell = ColumnRect(column);
        const bool tenth = column % 10 == 0;
        painter.fillRect(QRectF(cell.left(), 0, 1, tenth ? height() / 2 : height() / 5),
                         tenth ? kTenthTick : kTick);
        if (tenth) {
            painter.setPen(kTenthTick);
            painter.drawText(cell.translated(2, 0), Qt::AlignLeft | Qt::AlignTop,
                             QString::number(column));
        }
    }
    painter.setPen(kCursor);
    painter.drawRect(ColumnRect(guide_.cursorColumn).adjusted(0, 0, -1, -1));
}

void StripInput::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    dragging_ = true;
    const int column = ColumnUnder(event);
    SetPointerColumn(column);
    emit pressed(column);
}

void StripInput::mouseMoveEvent(QMouseEvent* event) {
    const int column = ColumnUnder(event);
    if (column == pointerColumn_) return;
    SetPointerColumn(column);
    if (dragging_) emit dragged(column);
}

void StripInput::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragging_) return;
    dragging_ = false;
    emit released();
}

void StripInput::leaveEvent(QEvent*) {
    if (!dragging_) SetPointerColumn(std::nullopt);
}

}  // namespace editor
