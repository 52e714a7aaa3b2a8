#include "controlbar/ShotButton.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace controlbar {

ShotButton::ShotButton(QWidget* parent) : ColorBox(QStringLiteral("shotButton"), kBlue, parent) {
    setFocusPolicy(Qt::StrongFocus);
}

// Held keys repeat their key-down, and each repeat is a press of its own.
// The Menu key and Shift+F10 open the game menu, as they open a context menu
// on every desktop: a player without a mouse can still pause or leave.
void ShotButton::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Menu ||
        (event->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        if (!event->isAutoRepeat()) {
            emit menuRequested(mapToGlobal(rect().center()), modifiers == Qt::ShiftModifier);
        }
        return;
    }
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
