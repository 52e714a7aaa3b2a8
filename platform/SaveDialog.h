#pragma once
// The desktop's dialog that asks where to save a file.

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace platform {

// The path the player chose, or nullopt when the dialog was cancelled. The
// dialog opens in the player's home folder with the suggested file name.
std::optional<QString> AskSavePath(QWidget* parent, const QString& title,
                                   const QString& suggestedName, const QString& filter);

// Test seam: answers instead of the dialog while it is set.
using SavePathHook = std::function<std::optional<QString>(const QString& suggestedPath)>;
void SetSavePathHook(SavePathHook hook);

}  // namespace platform
