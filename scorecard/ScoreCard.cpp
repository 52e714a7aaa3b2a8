#include "scorecard/ScoreCard.h"

#include "game/RoundState.h"
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
    const QString hiScoreEntry = KeepHiScore(game::state, courseSet, now);
    ShowScoreWindow(CardText(game::state, courseSet, hiScoreEntry));
}

void CopyScoreColumn() {
    CopyText(ColumnText(game::state, settings::state.courseSet, platform::Now()));
}

}  // namespace scorecard
