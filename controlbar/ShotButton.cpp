#include "controlbar/ShotButton.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace controlbar {

ShotButton::ShotButton(QWidget* parent) : ColorBox(QStringLiteral("shotButton"), kBlue, parent) {
    setFocusPolicy(Qt::StrongFocus);
}

// Held keys repeat their key-down, and each repeat is a press of its own.
void ShotButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space) return;
    SetColor(kRed);
    emit pressed();
}

// The window system reports a held key as release/press pairs; only the real
// release counts.
void ShotButton::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) SetColor(kBlue);
}

void ShotButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        SetColor(kRed);
        emit pressed();
        return;
    }
    emit menuRequested(event->globalPosition().toPoint(), event->modifiers() == Qt::ShiftModifier);
}

void ShotButton::mouseReleaseEvent(QMouseEvent*) { SetColor(kBlue); }

}  // namespace controlbar
