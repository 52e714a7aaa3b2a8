// The USER.TXT line parser on arbitrary bytes: a course it accepts has 18 holes
// that each start with a par digit; a refusal always explains itself.
#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <cstdint>
#include <cstdlib>

#include "courses/UserCourseLines.h"
#include "platform/TextFiles.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const courses::CourseLoad course = courses::ParseUserCourse(platform::SplitLines(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))));
    if (course.rows) {
        Require(course.problem.isEmpty());
        for (const QString& hole : *course.rows) {
            Require(!hole.isEmpty() && hole.front() >= u'0' && hole.front() <= u'9');
            Require(!hole.endsWith(u' ') && !hole.contains(u'\n') && !hole.contains(u'\r'));
        }
    } else {
        Require(course.problem.contains(QStringLiteral("「USER.TXT」")));
        Require(!course.problem.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
    }
    return 0;
}
