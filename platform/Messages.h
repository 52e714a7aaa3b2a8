#pragma once
// Message boxes with a text, a title and an OK button.

#include <functional>

#include <QString>

namespace platform {

// Shows the message modally above every topmost window of the game and
// returns when it is dismissed.
void ShowMessage(const QString& text, const QString& title);

// Test seam: messages go to the hook instead of a window while it is set.
using MessageHook = std::function<void(const QString& text, const QString& title)>;
void SetMessageHook(MessageHook hook);

}  // namespace platform
