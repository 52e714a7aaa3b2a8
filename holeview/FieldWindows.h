#pragma once
// The windows the hole is built of besides the ball: the course strip, the
// flag and one window per obstacle. None of them takes input.

#include "platform/GameWindow.h"

namespace holeview {

// The green line above the taskbar on which the hole lies.
class CourseStrip : public platform::GameWindow {
    Q_OBJECT
public:
    CourseStrip();
};

// The flag over the cup: a grey pole with a red pennant.
class FlagWindow : public platform::GameWindow {
    Q_OBJECT
public:
    FlagWindow();

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A tree, a bunker or a water hazard.
class ObstacleWindow : public platform::GameWindow {
    Q_OBJECT
public:
    ObstacleWindow();
};

}  // namespace holeview
