#pragma once
// Course sets, the built-in courses and the loader that fills the current course.

#include <QString>

namespace courses {

// "#", "@" or "*" for course sets 0, 1 and 2; empty for any other value.
QString CourseSetCode(int courseSet);
// "入門コース", "本格コース" or "自作コース"; empty for any other value.
QString CourseSetCaption(int courseSet);

// Replaces the current course's rows with the chosen set's holes (a custom
// file that is refused leaves the rows as they were, after telling the
// player why), then refills the tree tables.
void LoadCourse();
// Refills the two tree size tables; the read positions are not touched.
void LoadTreeSteps();

}  // namespace courses
