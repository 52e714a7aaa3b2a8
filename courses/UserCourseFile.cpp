#include "courses/UserCourseFile.h"

#include "courses/UserCourseLines.h"
#include "platform/Program.h"
#include "platform/TextFiles.h"

namespace courses {

CourseLoad ReadUserCourseFile() {
    const QString path = platform::UserCourseFilePath();
    if (!platform::FileExists(path)) {
        return {std::nullopt, QStringLiteral("自作コースのファイル「USER.TXT」が見つかりません。")};
    }
    const std::optional<QStringList> lines = platform::ReadCp932Lines(path);
    if (!lines) {
        return {std::nullopt,
                QStringLiteral("自作コースのファイル「USER.TXT」を読み込めません。\r\n"
                               "ファイルを開けないか、シフトJIS（コードページ932）以外の"
                               "文字コードで保存されています。")};
    }
    return ParseUserCourse(*lines);
}

bool UserCourseFileExists() { return platform::FileExists(platform::UserCourseFilePath()); }

}  // namespace courses
