#pragma once
// What the player is told when the history could not be kept or read.

#include <QString>

#include "history/RoundStore.h"

namespace history {

enum class Purpose { Keeping, Reading };

// One short message; empty when there is nothing to tell.
QString ReportText(const StoreReport& report, Purpose purpose, const QString& path);

}  // namespace history
