#pragma once
// Whether this program holds the clipboard, asked of the X server itself:
// the toolkit's own answer stays yes when another program took the clipboard
// at a moment it did not notice.

namespace platform {

// False off X11.
bool OwnsClipboardSelection();

// From now on the program ends at once, without handing anything to a
// clipboard manager, as soon as a change of the selections leaves it without
// the clipboard.
void EndWhenClipboardSelectionLost();

}  // namespace platform
