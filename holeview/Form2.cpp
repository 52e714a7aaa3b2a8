#include "holeview/Form2.h"

namespace holeview {

Form2::Form2(const QString& title) : GameWindow(title, platform::WindowInput::PassesThrough) {
    SetBackColor(qRgb(0, 128, 0));
}

}  // namespace holeview
