#pragma once
// Twips (1/1440 inch), the unit the game places its windows in, turned into
// the pixels of the screen.

#include <QRect>
#include <QSizeF>

class QWidget;

namespace platform {

// Pixels of a twips rectangle: each edge is converted on its own (floor), so
// windows that share an edge in twips share it in pixels; never empty.
QRect TwipsToPixels(double left, double top, double width, double height);
// A control's rectangle inside a dialog, laid out in twips, in pixels.
QRect ControlRect(int left, int top, int width, int height);
void PlaceControl(QWidget* control, int left, int top, int width, int height);
// Sets a dialog's client size from twips.
void SetClientSizeTwips(QWidget* dialog, int width, int height);
// Moves a top-level window's frame to a twips position.
void MoveWindowTwips(QWidget* window, int left, int top);
// Outer size of a top-level window in twips (frame included when known).
QSizeF OuterSizeTwips(const QWidget* window);

}  // namespace platform
