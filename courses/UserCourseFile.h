#pragma once
// The custom course file USER.TXT: 18 hole lines, each starting with "@".

#include <QString>
#include <array>
#include <optional>

namespace courses {

using CourseRows = std::array<QString, 18>;

// The 18 hole strings of the file, or the message that tells the player why
// the file cannot be played.
struct UserCourse {
    std::optional<CourseRows> rows;
    QString problem;
};

UserCourse ReadUserCourseFile();

}  // namespace courses
