#include "courses/UserCourseFile.h"

#include <QDir>

#include "courses/UserCourseLines.h"
#include "platform/Program.h"
#include "platform/TextFiles.h"

namespace courses {
namespace {

QString Named(const QString& path) { return QDir::toNativeSeparators(path); }

}  // namespace

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

EditableCourse OpenCourseForEditing(const QString& path) {
    if (!platform::EntryExists(path)) return {};
    const std::optional<QByteArray> bytes = platform::ReadFileBytes(path);
    if (!bytes) {
        EditableCourse course;
        course.whole = false;
        course.problem = QStringLiteral(
                             "「%1」を読み込めません。\r\n"
                             "ファイルを開けないか、普通のファイルではないか、4MBを超えています。"
                             "新しいコースで始めますが、保存してもこのファイルは上書きしません。")
                             .arg(Named(path));
        return course;
    }
    return ReadCourseForEditing(*bytes);
}

QString SaveEditedCourse(const QString& source, const QString& target, const HoleRows& changed) {
    std::optional<QByteArray> bytes = platform::ReadFileBytes(source);
    if (!bytes) {
        if (platform::EntryExists(source)) {
            return QStringLiteral("「%1」を読み込めなくなったので、保存しませんでした。")
                .arg(Named(source));
        }
        bytes.emplace();
    }
    const std::optional<QByteArray> written = WithChangedHoles(*bytes, changed);
    if (!written) {
        return QStringLiteral(
            "シフトJIS（コードページ932）で書けない文字がホールにあるので、保存しませんでした。");
    }
    if (!platform::WriteFileAtomically(target, *written)) {
        return QStringLiteral(
                   "「%1」に保存できませんでした。\r\n"
                   "書き込める場所か、空きがあるかを確かめてください。")
            .arg(Named(target));
    }
    return QString();
}

}  // namespace courses
