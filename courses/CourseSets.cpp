#include "courses/CourseSets.h"

#include <algorithm>

#include "courses/CourseTables.h"
#include "courses/UserCourseFile.h"

namespace courses {
namespace {

struct CourseSetNames {
    QString code;
    QString caption;
};

const CourseSetNames kCourseSets[3] = {{QStringLiteral("#"), QStringLiteral("入門コース")},
                                       {QStringLiteral("@"), QStringLiteral("本格コース")},
                                       {QStringLiteral("*"), QStringLiteral("自作コース")}};

CourseRows BuiltIn(const std::array<QStringView, 18>& table) {
    CourseRows rows;
    std::transform(table.begin(), table.end(), rows.begin(),
                   [](QStringView row) { return row.toString(); });
    return rows;
}

}  // namespace

QString CourseSetCode(int courseSet) {
    return courseSet >= 0 && courseSet < 3 ? kCourseSets[courseSet].code : QString();
}

QString CourseSetCaption(int courseSet) {
    return courseSet >= 0 && courseSet < 3 ? kCourseSets[courseSet].caption : QString();
}

CourseLoad LoadCourse(int courseSet) {
    switch (courseSet) {
        case 0:
            return {BuiltIn(beginnerCourse), QString()};
        case 1:
            return {BuiltIn(fullCourse), QString()};
        case 2:
            return ReadUserCourseFile();
        default:
            return {};
    }
}

}  // namespace courses
