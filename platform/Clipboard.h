#pragma once
// The system clipboard, plain text only.

#include <QString>

namespace platform {

// Empties the clipboard, then puts the text on it.
void SetClipboardText(const QString& text);

}  // namespace platform
