#pragma once
// What the statistics window and `quorvane --stats` show: each course's
// rounds turned into a few figures, a line and 18 bars.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

#include "history/RoundRecord.h"

namespace history {

// The rounds that belong together: a course set, and for custom courses the
// holes they were played on.
struct CourseId {
    int courseSet = 0;
    QString courseKey;
    bool operator==(const CourseId&) const = default;
};
CourseId CourseOf(const RoundRecord& round);

struct RecentRound {
    QDateTime playedAt;
    std::int32_t strokes = 0;
    std::int32_t againstPar = 0;
    bool operator==(const RecentRound&) const = default;
};

inline constexpr std::size_t kRecentRounds = 5;

struct CourseSummary {
    CourseId course;
    QString label;  // "入門コース"; custom courses are numbered when there are several
    int rounds = 0;
    std::int32_t best = 0;                     // the lowest total against par
    double average = 0;                        // the mean total against par
    std::vector<std::int32_t> againstPar;      // every round's total, oldest first
    std::array<double, kHoles> holeOverPar{};  // mean strokes over par of each hole
    std::int64_t waterPenalties = 0;
    std::int64_t bunkerShots = 0;
    std::int64_t treeHits = 0;
    std::vector<RecentRound> recent;  // the last rounds, newest first
    std::size_t newestRound = 0;      // where its newest round stands in the history
};

// One summary per course: beginner, full, then the custom courses in the
// order they were first played. The rounds come oldest first.
std::vector<CourseSummary> Summarize(const std::vector<RoundRecord>& rounds);
// The summary of the course played last; 0 when there is none.
std::size_t CourseOfNewestRound(const std::vector<CourseSummary>& courses);
std::vector<RoundRecord> RoundsOf(const std::vector<RoundRecord>& rounds, const CourseId& course);

// "+3", "±0", "-2"; an average with one decimal: "+4.3".
QString AgainstParText(std::int32_t againstPar);
QString AverageText(double againstPar);
// "2024/05/01 18:30"
QString PlayedText(const QDateTime& playedAt);

// One line a course, or a friendly line when nothing is kept yet.
QStringList SummaryLines(const std::vector<CourseSummary>& courses);

}  // namespace history
