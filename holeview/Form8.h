#pragma once

#include "platform/Windows.h"

namespace holeview {

// The flag over the cup: a pole with a red pennant, shaped to the picture.
class Form8 : public platform::GameWindow {
    Q_OBJECT
public:
    Form8();

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The one flag window, created on first use.
Form8& Flag();
void UnloadFlag();

}  // namespace holeview
