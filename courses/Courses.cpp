#include "courses/Courses.h"

#include <algorithm>

#include "courses/CourseState.h"
#include "courses/CourseTables.h"
#include "courses/UserCourseFile.h"
#include "platform/Program.h"
#include "settings/SettingsState.h"

namespace courses {
namespace {

struct CourseSetNames {
    QString code;
    QString caption;
};

const CourseSetNames kCourseSets[3] = {{QStringLiteral("#"), QStringLiteral("入門コース")},
                                       {QStringLiteral("@"), QStringLiteral("本格コース")},
                                       {QStringLiteral("*"), QStringLiteral("自作コース")}};

void LoadBuiltIn(const std::array<QStringView, 18>& table) {
    std::transform(table.begin(), table.end(), state.courseRows.begin(),
                   [](QStringView row) { return row.toString(); });
}

void LoadUserCourse() {
    const UserCourse course = ReadUserCourseFile();
    if (course.rows) {
        state.courseRows = *course.rows;
    } else {
        platform::MsgBox(course.problem, QStringLiteral("Quorvane"));
    }
}

}  // namespace

QString CourseSetCode(int courseSet) {
    return courseSet >= 0 && courseSet < 3 ? kCourseSets[courseSet].code : QString();
}

QString CourseSetCaption(int courseSet) {
    return courseSet >= 0 && courseSet < 3 ? kCourseSets[courseSet].caption : QString();
}

void LoadCourse() {
    switch (settings::state.courseSet) {
        case 0:
            LoadBuiltIn(beginnerCourse);
            break;
        case 1:
            LoadBuiltIn(fullCourse);
            break;
        case 2:
            LoadUserCourse();
            break;
        default:
            break;
    }
    LoadTreeSteps();
}

void LoadTreeSteps() {
    state.treeHeightSteps = kTreeHeightSteps;
    state.treeWidthSteps = kTreeWidthSteps;
}

}  // namespace courses
