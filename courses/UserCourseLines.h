#pragma once
// The lines of USER.TXT turned into a course, without touching any file.

#include <QByteArray>
#include <QList>

#include "courses/CourseState.h"

namespace courses {

inline constexpr int kHoles = 18;

// A hole line's bytes after "@": its hole string, or why the game cannot
// play it, naming the line and the hole.
struct HoleLineRead {
    std::optional<QString> hole;
    QString problem;
};
HoleLineRead ReadHoleLine(const QByteArray& afterAt, qsizetype lineNumber, int hole);
// Why a file with fewer than 18 hole lines cannot be played.
QString TooFewHolesMessage(int holes);

// The first 18 hole lines (lines starting with "@" once stripped of spaces),
// or the reason the lines make no playable course. The lines are in code page
// 932; only hole lines need to be valid, the others are never looked at.
CourseLoad ParseUserCourse(const QList<QByteArray>& lines);

}  // namespace courses
