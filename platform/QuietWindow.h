#pragma once
// Windows of the game that open without taking the keyboard (the bar or a
// message while the player is at another program) wait quietly: no taskbar
// calls the player for them.

class QWidget;

namespace platform {

// Before the window is shown: whenever the window manager marks it as wanting
// attention (kwin marks every window it did not activate), it is asked to take
// the mark back. Does nothing off X11.
void WaitQuietly(QWidget& window);

// Before the window is shown: it opens without taking the keyboard, waits
// quietly, and takes the keyboard when the player presses on it.
void WaitForPlayer(QWidget& window);

}  // namespace platform
