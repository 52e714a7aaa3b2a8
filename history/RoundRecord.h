#pragma once
// A finished round as the history keeps it.

#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>

#include "courses/CourseState.h"

namespace history {

inline constexpr int kHoles = 18;

struct HoleRecord {
    std::int32_t par = 0;
    std::int32_t strokes = 0;  // penalties included
    std::int32_t penalties = 0;
    std::int32_t bunkerShots = 0;
    std::int32_t treeHits = 0;
    bool operator==(const HoleRecord&) const = default;
};

struct RoundRecord {
    QDateTime playedAt;  // local time, to the second
    int courseSet = 0;   // 0 beginner, 1 full, 2 custom
    // For a custom course the fingerprint of its holes, so that rounds of
    // different USER.TXT files are told apart; empty for the built-in sets.
    QString courseKey;
    std::array<HoleRecord, kHoles> holes{};
    // Rounds kept before penalties, bunker shots and tree hits were counted
    // have zeros there that mean "not known".
    bool hazardsCounted = true;

    std::int32_t TotalPar() const;
    std::int32_t TotalStrokes() const;
    std::int32_t AgainstPar() const { return TotalStrokes() - TotalPar(); }
    bool operator==(const RoundRecord&) const = default;
};

// 16 hexadecimal digits that change whenever a hole string does.
QString CourseFingerprint(const courses::CourseRows& rows);

}  // namespace history
