#pragma once
// The rounds of one course as CSV for a spreadsheet: UTF-8, a header row,
// then one row for each hole of each round, oldest first.

#include <QByteArray>
#include <QString>
#include <vector>

#include "history/RoundRecord.h"

namespace history {

QByteArray RoundsCsv(const std::vector<RoundRecord>& rounds, const QString& courseLabel);

}  // namespace history
