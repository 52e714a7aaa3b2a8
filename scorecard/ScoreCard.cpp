#include "scorecard/ScoreCard.h"

#include "game/RoundState.h"
#include "platform/Program.h"
#include "platform/Runtime.h"
#include "scorecard/CardText.h"
#include "scorecard/Form6.h"
#include "scorecard/HiScore.h"
#include "settings/SettingsState.h"

namespace scorecard {

void ScoreCard(bool forCopy) {
    const QDateTime now = platform::Now();
    const int courseSet = settings::state.courseSet;
    if (forCopy) {
        CopyText(TabSeparatedText(game::state, now));
        return;
    }
    // A hole given on the command line is none of the course sets: its rounds
    // never replace a course's high score.
    const bool courseRound = platform::CommandLineText().isEmpty();
    const QString hiScoreEntry =
        courseRound ? KeepHiScore(game::state, courseSet, now) : StoredHiScore(courseSet);
    ShowScoreWindow(CardText(game::state, courseSet, hiScoreEntry));
}

void CopyScoreColumn() {
    CopyText(ColumnText(game::state, settings::state.courseSet, platform::Now()));
}

}  // namespace scorecard
