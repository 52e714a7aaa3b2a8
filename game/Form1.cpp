#include "game/Form1.h"

#include <QMouseEvent>

namespace game {
namespace {

platform::FormSlot<Form1>& Slot() {
    static platform::FormSlot<Form1> slot;
    return slot;
}

}  // namespace

Form1::Form1() : GameWindow(QStringLiteral("Quorvane ball"), platform::WindowInput::Accepts) {
    Move(0, 0, 80, 80);
}

void Form1::mousePressEvent(QMouseEvent* event) { event->accept(); }

Form1& Ball() { return Slot().Get(); }
Form1* LoadedBall() { return Slot().Loaded(); }
void UnloadBall() { Slot().Unload(); }

}  // namespace game
