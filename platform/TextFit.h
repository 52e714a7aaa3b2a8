#pragma once
// Text that fits the box the window's layout gives it. The fonts on a
// player's machine are rarely the ones the boxes were measured for, so a text
// too wide or too tall for its box is set a little smaller until it fits.

class QWidget;

namespace platform {

// True when the control's text, with the control's own decoration (a check
// box's box, a button's margins), fits the part of the control that shows.
bool TextFits(const QWidget* control);
// Shrinks the control's font a quarter point at a time until its text fits.
void ShrinkTextToFit(QWidget* control);
// The same for every label and button inside the window.
void ShrinkTextsToFit(QWidget* window);

}  // namespace platform
