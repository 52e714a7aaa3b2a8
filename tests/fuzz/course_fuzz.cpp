// The USER.TXT line parser on arbitrary bytes: a course it accepts has 18 holes
// that each start with a par digit; a refusal always explains itself.
#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstdlib>

#include "courses/UserCourseLines.h"
#include "platform/TextFiles.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// The same line ends the file reader accepts: CR LF, CR or LF.
QStringList Lines(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n'))) lines.removeLast();
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<QString> text = platform::DecodeCp932(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!text) return 0;
    const courses::CourseLoad course = courses::ParseUserCourse(Lines(*text));
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
