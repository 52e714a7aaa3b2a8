#pragma once

#include "platform/GameWindow.h"

namespace holeview {

// The ball: a tiny window, shaped into a disc, whose colour tells the player
// where the turn stands.
class BallWindow : public platform::GameWindow {
    Q_OBJECT
public:
    BallWindow();

signals:
    // Any button; the left one never opens the game menu.
    void pressed(Qt::MouseButton button, QPoint globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace holeview
