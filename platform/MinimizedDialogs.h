#pragma once
// A window manager may minimise a window the game waits on (a dialog, a
// message, the bar, the clock): some offer a button for it whatever the
// window asks, and a keyboard shortcut does it everywhere. Without a taskbar
// the player could never bring it back, and the game would wait forever.

namespace platform {

// Brings back every minimised dialog-like window of the game, raised, the
// modal one in front holding the keyboard.
void BringBackMinimizedDialogs();

// From now on, a button press on any window of the game does that.
void BringBackMinimizedDialogsOnPress();

}  // namespace platform
