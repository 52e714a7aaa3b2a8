#include "scorecard/HiScore.h"

#include "platform/Clock.h"
#include "platform/Numeric.h"
#include "scorecard/CardText.h"
#include "settings/Profile.h"

namespace scorecard {
namespace {

const QString kSection = QStringLiteral("Data");

}  // namespace

QString HiScoreKey(int courseSet) {
    switch (courseSet) {
        case 0:
            return QStringLiteral("HISCORE");
        case 1:
            return QStringLiteral("HISCORE@");
        case 2:
            return QStringLiteral("HISCORE*");
        default:
            return QString();
    }
}

double StoredTotal(const QString& entry) {
    return platform::LeadingNumber(QStringView(entry).mid(entry.lastIndexOf(QLatin1Char(' ')) + 1));
}

QString StoredHiScore(int courseSet) {
    const QString key = HiScoreKey(courseSet);
    return key.isEmpty() ? QString() : settings::ReadSetting(kSection, key);
}

QString KeepHiScore(const RoundScores& round, int courseSet, const QDateTime& when) {
    const QString key = HiScoreKey(courseSet);
    if (key.isEmpty()) return QString();
    const QString stored = StoredHiScore(courseSet);
    if (!round.roundOver) return stored;
    const std::int32_t total = SumOverAllHoles(round).Difference();
    if (!stored.isEmpty() && StoredTotal(stored) <= total) return stored;
    const QString record = platform::DateTimeText(when) + QStringLiteral(" > ") + SignedText(total);
    settings::WriteSetting(kSection, key, record);
    return record;
}

}  // namespace scorecard
