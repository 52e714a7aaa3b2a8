#include "history/Summary.h"

#include <algorithm>

#include "courses/CourseSets.h"

namespace history {
namespace {

constexpr int kCustomSet = 2;

// Built-in sets first; custom courses keep the order of their first rounds.
void OrderAndLabel(std::vector<CourseSummary>& courses) {
    std::stable_sort(courses.begin(), courses.end(), [](const auto& a, const auto& b) {
        return a.course.courseSet < b.course.courseSet;
    });
    const auto customCourses = std::count_if(courses.begin(), courses.end(), [](const auto& c) {
        return c.course.courseSet == kCustomSet;
    });
    int customNumber = 0;
    for (CourseSummary& summary : courses) {
        summary.label = courses::CourseSetCaption(summary.course.courseSet);
        if (summary.course.courseSet == kCustomSet && customCourses > 1) {
            summary.label += QStringLiteral(" %1").arg(++customNumber);
        }
    }
}

void Add(CourseSummary& summary, const RoundRecord& round, std::size_t position) {
    const std::int32_t againstPar = round.AgainstPar();
    summary.best = summary.rounds == 0 ? againstPar : std::min(summary.best, againstPar);
    summary.rounds += 1;
    summary.againstPar.push_back(againstPar);
    for (std::size_t i = 0; i < round.holes.size(); ++i) {
        const HoleRecord& hole = round.holes[i];
        summary.holeOverPar[i] += hole.strokes - hole.par;
        summary.waterPenalties += hole.penalties;
        summary.bunkerShots += hole.bunkerShots;
        summary.treeHits += hole.treeHits;
    }
    summary.recent.insert(summary.recent.begin(),
                          {round.playedAt, round.TotalStrokes(), againstPar});
    if (summary.recent.size() > kRecentRounds) summary.recent.pop_back();
    summary.newestRound = position;
}

}  // namespace

CourseId CourseOf(const RoundRecord& round) { return {round.courseSet, round.courseKey}; }

std::vector<CourseSummary> Summarize(const std::vector<RoundRecord>& rounds) {
    std::vector<CourseSummary> courses;
    for (std::size_t position = 0; position < rounds.size(); ++position) {
        const CourseId course = CourseOf(rounds[position]);
        auto summary = std::find_if(courses.begin(), courses.end(),
                                    [&](const CourseSummary& s) { return s.course == course; });
        if (summary == courses.end()) {
            courses.push_back({});
            summary = courses.end() - 1;
            summary->course = course;
        }
        Add(*summary, rounds[position], position);
    }
    for (CourseSummary& summary : courses) {
        double total = 0;
        for (std::int32_t againstPar : summary.againstPar) total += againstPar;
        summary.average = total / summary.rounds;
        for (double& overPar : summary.holeOverPar) overPar /= summary.rounds;
    }
    OrderAndLabel(courses);
    return courses;
}

std::size_t CourseOfNewestRound(const std::vector<CourseSummary>& courses) {
    const auto newest = std::max_element(courses.begin(), courses.end(), [](auto& a, auto& b) {
        return a.newestRound < b.newestRound;
    });
    return newest == courses.end() ? 0 : static_cast<std::size_t>(newest - courses.begin());
}

std::vector<RoundRecord> RoundsOf(const std::vector<RoundRecord>& rounds, const CourseId& course) {
    std::vector<RoundRecord> kept;
    std::copy_if(rounds.begin(), rounds.end(), std::back_inserter(kept),
                 [&](const RoundRecord& round) { return CourseOf(round) == course; });
    return kept;
}

QString AgainstParText(std::int32_t againstPar) {
    if (againstPar == 0) return QStringLiteral("±0");
    return (againstPar > 0 ? QStringLiteral("+") : QString()) + QString::number(againstPar);
}

QString AverageText(double againstPar) {
    const QString digits = QString::number(againstPar, 'f', 1);
    if (digits == QLatin1String("0.0") || digits == QLatin1String("-0.0")) {
        return QStringLiteral("±0.0");
    }
    return (againstPar > 0 ? QStringLiteral("+") : QString()) + digits;
}

QString PlayedText(const QDateTime& playedAt) {
    return playedAt.isValid() ? playedAt.toString(QStringLiteral("yyyy/MM/dd HH:mm"))
                              : QStringLiteral("----/--/-- --:--");
}

QStringList SummaryLines(const std::vector<CourseSummary>& courses) {
    if (courses.empty()) {
        return {QStringLiteral("まだ成績がありません。18ホールを回り終えると記録されます。")};
    }
    QStringList lines;
    for (const CourseSummary& c : courses) {
        const RecentRound& last = c.recent.front();
        lines << QStringLiteral(
                     "%1：%2ラウンド  ベスト %3  平均 %4  池 %5回  バンカー %6回  木 %7回  "
                     "最後 %8 %9")
                     .arg(c.label)
                     .arg(c.rounds)
                     .arg(AgainstParText(c.best), AverageText(c.average))
                     .arg(c.waterPenalties)
                     .arg(c.bunkerShots)
                     .arg(c.treeHits)
                     .arg(PlayedText(last.playedAt), AgainstParText(last.againstPar));
    }
    return lines;
}

}  // namespace history
