#pragma once
// The custom course file USER.TXT: 18 hole lines, each starting with "@".

#include "courses/CourseState.h"
#include "courses/UserCourseEdits.h"

namespace courses {

// The 18 hole strings of the file, or the message that tells the player why
// the file cannot be played.
CourseLoad ReadUserCourseFile();
bool UserCourseFileExists();

// A course file as the course editor opens it; a missing one is a new course.
// One that cannot be read at all (a FIFO, a device, more than 4 MB) opens as
// a new course too, with the reason, and is never replaced.
EditableCourse OpenCourseForEditing(const QString& path);
// Writes the changed holes into the bytes the source holds now (nothing when
// it is missing) and puts the result at target whole or not at all. The
// reason when nothing was written; empty on success.
QString SaveEditedCourse(const QString& source, const QString& target, const HoleRows& changed);

}  // namespace courses
