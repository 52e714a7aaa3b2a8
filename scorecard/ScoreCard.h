#pragma once
// The round's scores as text: the score card with the course's high score,
// and the two clipboard texts.

#include <QString>
#include <cstdint>

namespace scorecard {

// "+5", " 0", "-2".
QString SignedText(std::int32_t value);

// forCopy false: builds the card, keeps the high score, shows the score window
// and returns when it closes. forCopy true: copies the tab-separated text.
void ScoreCard(bool forCopy);
// Copies the one-column list of strokes.
void CopyScoreColumn();

}  // namespace scorecard
