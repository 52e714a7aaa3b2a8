#pragma once

#include <Qt>

namespace platform {

// The game's dialogs have one size: a title and a close button, nothing to
// minimise or maximise. Window managers that honour the hints show no such
// buttons; a minimised dialog comes back anyway (MinimizedDialogs.h).
inline constexpr Qt::WindowFlags kFixedDialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
    Qt::MSWindowsFixedSizeDialogHint;

}  // namespace platform
