#pragma once
// The rounds the player has finished: kept as each round ends, shown in the
// statistics window, printed by --stats. What could not be kept or read is
// told once in a run, in one short message.

#include <QDateTime>
#include <QString>
#include <memory>

#include "courses/CourseState.h"
#include "game/RoundState.h"
#include "history/RoundRecord.h"
#include "platform/Messages.h"

namespace history {
class RoundStore;
}

namespace game {

// The round as the history keeps it; a custom course is known by its holes.
history::RoundRecord RecordOf(const RoundState& round, int courseSet,
                              const courses::CourseRows& rows, const QDateTime& playedAt);

class RoundHistory {
public:
    // rounds.sqlite in the per-user data folder, unless another file is given.
    explicit RoundHistory(QString path = DefaultPath());
    ~RoundHistory();
    RoundHistory(RoundHistory&&) noexcept;
    RoundHistory& operator=(RoundHistory&&) noexcept;

    static QString DefaultPath();

    void Keep(const history::RoundRecord& round, platform::Focus focus);
    // The statistics window until the player closes it; its export asks
    // where the CSV goes.
    void ShowStatistics(int gameWidthTwips);
    // One line a course on standard output; 1 when the history could not be read.
    int PrintSummary();

private:
    history::RoundStore& Store();

    QString path_;
    std::unique_ptr<history::RoundStore> store_;
    bool told_ = false;
};

}  // namespace game
