#include "game/RoundHistory.h"

#include <QDir>
#include <cstdio>

#include "history/HistoryTexts.h"
#include "history/RoundStore.h"
#include "history/RoundsCsv.h"
#include "history/StatsWindow.h"
#include "history/Summary.h"
#include "platform/Program.h"
#include "platform/SaveDialog.h"
#include "platform/TextFiles.h"

namespace game {
namespace {

constexpr int kCustomCourseSet = 2;
const QString kMessageTitle = QStringLiteral("Quorvane");

void Print(std::FILE* stream, const QString& text) {
    std::fputs((QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) + u'\n')
                   .toLocal8Bit()
                   .constData(),
               stream);
}

// The rounds of one course, written where the player chooses.
void ExportCourse(QWidget* parent, const history::CourseSummary& course,
                  const std::vector<history::RoundRecord>& rounds) {
    const std::optional<QString> path = platform::AskSavePath(
        parent, QStringLiteral("成績をCSVに書き出す"),
        QStringLiteral("成績_%1.csv").arg(course.label), QStringLiteral("CSV (*.csv)"));
    if (!path) return;
    if (!platform::WriteFileAtomically(*path, history::RoundsCsv(rounds, course.label))) {
        platform::ShowMessage(
            QStringLiteral("%1 に書き出せませんでした。").arg(QDir::toNativeSeparators(*path)),
            kMessageTitle);
    }
}

}  // namespace

history::RoundRecord RecordOf(const RoundState& round, int courseSet,
                              const courses::CourseRows& rows, const QDateTime& playedAt) {
    history::RoundRecord record;
    record.playedAt = playedAt;
    record.courseSet = courseSet;
    if (courseSet == kCustomCourseSet) record.courseKey = history::CourseFingerprint(rows);
    for (int hole = 1; hole <= history::kHoles; ++hole) {
        const HazardCounts& hazards = round.holeHazards[hole];
        record.holes[static_cast<std::size_t>(hole - 1)] = {
            round.holePar[hole], round.holeStrokes[hole], hazards.penalties, hazards.bunkerShots,
            hazards.treeHits};
    }
    return record;
}

RoundHistory::RoundHistory(QString path) : path_(std::move(path)) {}
RoundHistory::~RoundHistory() = default;
RoundHistory::RoundHistory(RoundHistory&&) noexcept = default;
RoundHistory& RoundHistory::operator=(RoundHistory&&) noexcept = default;

QString RoundHistory::DefaultPath() {
    return platform::PerUserDataFolder() + QStringLiteral("/rounds.sqlite");
}

// The file is opened when it is first needed, and stays open for the run.
history::RoundStore& RoundHistory::Store() {
    if (!store_) store_ = std::make_unique<history::RoundStore>(path_);
    return *store_;
}

// A history that could not be read is explained in the window itself.
void RoundHistory::ShowStatistics(int gameWidthTwips) {
    const history::LoadedRounds loaded = Store().Load();
    const QString problem = history::ReportText(loaded.report, history::Purpose::Reading, path_);
    if (!problem.isEmpty()) told_ = true;
    const std::vector<history::CourseSummary> courses = history::Summarize(loaded.rounds);
    history::StatsWindow window(courses, gameWidthTwips, problem);
    QObject::connect(&window, &history::StatsWindow::exportRequested, &window, [&](int course) {
        const history::CourseSummary& chosen = courses[static_cast<std::size_t>(course)];
        ExportCourse(&window, chosen, history::RoundsOf(loaded.rounds, chosen.course));
    });
    window.exec();
}

int RoundHistory::PrintSummary() {
    const history::LoadedRounds loaded = Store().Load();
    const QString problem = history::ReportText(loaded.report, history::Purpose::Reading, path_);
    if (!problem.isEmpty()) Print(stderr, QStringLiteral("quorvane: ") + problem);
    if (loaded.report.fault != history::StoreFault::None) return 1;
    for (const QString& line : history::SummaryLines(history::Summarize(loaded.rounds))) {
        Print(stdout, line);
    }
    return 0;
}

void RoundHistory::Keep(const history::RoundRecord& round, platform::Focus focus) {
    const QString text = history::ReportText(Store().Keep(round), history::Purpose::Keeping, path_);
    if (text.isEmpty() || std::exchange(told_, true)) return;
    platform::ShowMessage(text, kMessageTitle, focus);
}

}  // namespace game
