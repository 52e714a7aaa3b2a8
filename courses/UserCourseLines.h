#pragma once
// The lines of USER.TXT turned into a course, without touching any file.

#include <QByteArray>
#include <QList>

#include "courses/CourseState.h"

namespace courses {

// The first 18 hole lines (lines starting with "@" once stripped of spaces),
// or the reason the lines make no playable course. The lines are in code page
// 932; only hole lines need to be valid, the others are never looked at.
CourseLoad ParseUserCourse(const QList<QByteArray>& lines);

}  // namespace courses
