#pragma once
// Puts a game window at the top of the stacking order (when the player wants
// the game in front) or at the bottom.

class QWidget;

namespace desktop {

// Raises the window above all others when the game is kept in front;
// otherwise leaves the stacking order alone and returns false.
bool SetTopmost(QWidget* window, bool alwaysTop);
// Sends the window to the bottom, whatever the setting says.
bool SetBottom(QWidget* window);

}  // namespace desktop
