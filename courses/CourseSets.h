#pragma once
// The three course sets (beginner, full, custom): their codes, captions and holes.

#include <QString>

#include "courses/CourseState.h"

namespace courses {

// "#", "@" or "*" for course sets 0, 1 and 2; empty for any other value.
QString CourseSetCode(int courseSet);
// "入門コース", "本格コース" or "自作コース"; empty for any other value.
QString CourseSetCaption(int courseSet);

// The set's 18 holes. The custom set reads USER.TXT afresh, so an edit takes
// effect from the next hole; a refused file gives the reason instead. Any
// other set gives neither, and the caller keeps the rows it has.
CourseLoad LoadCourse(int courseSet);

}  // namespace courses
