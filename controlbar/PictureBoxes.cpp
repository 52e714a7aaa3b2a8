#include "controlbar/PictureBoxes.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/Numeric.h"
#include "platform/Screen.h"

namespace controlbar {

ColorBox::ColorBox(const QString& name, QRgb color, QWidget* parent)
    : QWidget(parent), color_(color) {
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColorBox::SetColor(QRgb color) {
    if (color == color_) return;
    color_ = color;
    update();
}

void ColorBox::paintEvent(QPaintEvent*) { QPainter(this).fillRect(rect(), QColor(color_)); }

ShotButton::ShotButton(QWidget* parent) : ColorBox(QStringLiteral("Picture1"), kBlue, parent) {
    setFocusPolicy(Qt::StrongFocus);
}

// Held keys repeat their key-down, and each repeat is a press of its own.
void ShotButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) emit spaceDown();
}

// The window system reports a held key as release/press pairs; only the real
// release counts.
void ShotButton::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) SetColor(kBlue);
}

void ShotButton::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(event->button(), event->modifiers());
}

void ShotButton::mouseReleaseEvent(QMouseEvent*) { SetColor(kBlue); }

GaugeBox::GaugeBox(const QString& name, const Stripes& rows, QWidget* parent)
    : QWidget(parent), rows_(rows) {
    setObjectName(name);
}

void GaugeBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    constexpr double kDesignPixelTwips = 15;
    const double twipsPerPixel = platform::TwipsPerPixelY();
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        const int y0 = platform::Int(row * kDesignPixelTwips / twipsPerPixel);
        const int y1 = platform::Int((row + 1) * kDesignPixelTwips / twipsPerPixel);
        painter.fillRect(QRect(0, y0, width(), std::max(1, y1 - y0)), QColor(rows_[row]));
    }
}

}  // namespace controlbar
