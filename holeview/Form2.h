#pragma once

#include "platform/Windows.h"

namespace holeview {

// A tree, bunker or water hazard: one small window per obstacle of the hole.
class Form2 : public platform::GameWindow {
    Q_OBJECT
public:
    explicit Form2(const QString& title);
};

}  // namespace holeview
