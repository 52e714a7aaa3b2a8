#pragma once
// The lines of USER.TXT turned into a course, without touching any file.

#include <QStringList>

#include "courses/CourseState.h"

namespace courses {

// The first 18 hole lines (lines starting with "@" once stripped of spaces),
// or the reason the lines make no playable course.
CourseLoad ParseUserCourse(const QStringList& lines);

}  // namespace courses
