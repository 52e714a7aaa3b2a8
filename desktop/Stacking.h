#pragma once
// Puts a game window at the top of the stacking order (when the player wants
// the game in front) or at the bottom.

class QWidget;

namespace desktop {

// Raises the window above all others when alwaysTop is on; otherwise leaves it.
bool SetTopmost(QWidget* window);
// Sends the window to the bottom, whatever alwaysTop says.
bool SetBottom(QWidget* window);

}  // namespace desktop
