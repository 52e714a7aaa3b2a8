#include "courses/UserCourseFile.h"

#include "courses/UserCourseLines.h"
#include "platform/Program.h"
#include "platform/TextFiles.h"

namespace courses {

CourseLoad ReadUserCourseFile() {
    const QString path = platform::UserCourseFilePath();
    if (!platform::EntryExists(path)) {
        return {std::nullopt, QStringLiteral("自作コースのファイル「USER.TXT」が見つかりません。")};
    }
    const std::optional<QList<QByteArray>> lines = platform::ReadLines(path);
    if (!lines) {
        return {std::nullopt,
                QStringLiteral("自作コースのファイル「USER.TXT」を読み込めません。\r\n"
                               "ファイルを開けないか、普通のファイルではないか、"
                               "4MBを超えています。")};
    }
    return ParseUserCourse(*lines);
}

bool UserCourseFileExists() { return platform::EntryExists(platform::UserCourseFilePath()); }

}  // namespace courses
