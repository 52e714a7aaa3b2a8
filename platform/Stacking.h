#pragma once
// A window at the top of the desktop's stacking order, kept there, or at its
// bottom.

class QWidget;

namespace platform {

// Keeps the window above all others and raises it, showing it if need be.
bool RaiseTopmost(QWidget* window);
// Stops keeping it above others and sends it to the bottom.
bool LowerToBottom(QWidget* window);

}  // namespace platform
