#include "holeview/Form2.h"

#include "holeview/FieldManagement.h"

namespace holeview {

Form2::Form2(const QString& title)
    : GameWindow(title, platform::WindowInput::PassesThrough, FieldManagement()) {
    SetBackColor(qRgb(0, 128, 0));
}

}  // namespace holeview
