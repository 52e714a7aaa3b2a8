#pragma once

#include "platform/Windows.h"

namespace holeview {

// The course strip: the green line above the taskbar on which the hole lies.
class Form4 : public platform::GameWindow {
    Q_OBJECT
public:
    Form4();
};

// The one strip window, created on first use.
Form4& Strip();
void UnloadStrip();

}  // namespace holeview
