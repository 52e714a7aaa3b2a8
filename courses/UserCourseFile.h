#pragma once
// The custom course file USER.TXT: 18 hole lines, each starting with "@".

#include "courses/CourseState.h"

namespace courses {

// The 18 hole strings of the file, or the message that tells the player why
// the file cannot be played.
CourseLoad ReadUserCourseFile();
bool UserCourseFileExists();

}  // namespace courses
