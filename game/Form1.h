#pragma once

#include "platform/Windows.h"

namespace game {

// The ball: a tiny shaped window whose colour is also the turn state.
class Form1 : public platform::GameWindow {
    Q_OBJECT
public:
    Form1();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// The one ball window, created on first use.
Form1& Ball();
Form1* LoadedBall();
void UnloadBall();

}  // namespace game
