#include "holeview/Form4.h"

#include "holeview/FieldManagement.h"

namespace holeview {
namespace {

platform::FormSlot<Form4>& Slot() {
    static platform::FormSlot<Form4> slot;
    return slot;
}

}  // namespace

Form4::Form4()
    : GameWindow(QStringLiteral("Quorvane course"), platform::WindowInput::PassesThrough,
                 FieldManagement()) {
    SetBackColor(qRgb(0, 192, 0));
}

Form4& Strip() { return Slot().Get(); }
void UnloadStrip() { Slot().Unload(); }

}  // namespace holeview
