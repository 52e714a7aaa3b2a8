#include "courses/UserCourseLines.h"

#include "courses/HoleString.h"
#include "platform/TextFiles.h"

namespace courses {
namespace {

QString NotCodePage932Message(qsizetype lineNumber, int hole) {
    return QStringLiteral(
               "自作コースのファイル「USER.TXT」の%1行目（ホール%2）に、"
               "シフトJIS（コードページ932）として読めない文字があります。\r\n"
               "ファイルをシフトJISで保存し直してください。")
        .arg(lineNumber)
        .arg(hole);
}

QString NoParMessage(qsizetype lineNumber, int hole) {
    return QStringLiteral(
               "自作コースのファイル「USER.TXT」の%1行目（ホール%2）にパーがありません。\r\n"
               "「@」のすぐ後にパーを表す数字を書いてください。")
        .arg(lineNumber)
        .arg(hole);
}

QString TooLongMessage(qsizetype lineNumber, int hole) {
    return QStringLiteral(
               "自作コースのファイル「USER.TXT」の%1行目（ホール%2）が長すぎます。\r\n"
               "1ホールは%3マスまでです。")
        .arg(lineNumber)
        .arg(hole)
        .arg(kMostCells);
}

// Only the plain space: a tab or an ideographic space is part of the line.
// A space byte is never half of a two-byte character, nor is "@" at the start.
QByteArray StrippedOfSpaces(const QByteArray& line) {
    qsizetype first = 0;
    qsizetype last = line.size();
    while (first < last && line[first] == ' ') ++first;
    while (last > first && line[last - 1] == ' ') --last;
    return line.mid(first, last - first);
}

}  // namespace

QString TooFewHolesMessage(int holes) {
    return QStringLiteral(
               "自作コースのファイル「USER.TXT」には「@」で始まるホールの行が%"
               "1行しかありません。\r\n"
               "ホール%2から後の行がありません。18ホール分、18行が必要です。")
        .arg(holes)
        .arg(holes + 1);
}

HoleLineRead ReadHoleLine(const QByteArray& afterAt, qsizetype lineNumber, int hole) {
    const std::optional<QString> decoded = platform::DecodeCp932(afterAt);
    if (!decoded) return {std::nullopt, NotCodePage932Message(lineNumber, hole)};
    if (!StartsWithParDigit(*decoded)) return {std::nullopt, NoParMessage(lineNumber, hole)};
    if (HasTooManyCells(*decoded)) return {std::nullopt, TooLongMessage(lineNumber, hole)};
    return {decoded, QString()};
}

CourseLoad ParseUserCourse(const QList<QByteArray>& lines) {
    CourseRows rows;
    int holes = 0;
    for (qsizetype i = 0; i < lines.size() && holes < kHoles; ++i) {
        const QByteArray line = StrippedOfSpaces(lines[i]);
        if (!line.startsWith('@')) continue;
        const HoleLineRead read = ReadHoleLine(line.mid(1), i + 1, holes + 1);
        if (!read.hole) return {std::nullopt, read.problem};
        rows[static_cast<std::size_t>(holes++)] = *read.hole;
    }
    if (holes < kHoles) return {std::nullopt, TooFewHolesMessage(holes)};
    return {rows, QString()};
}

}  // namespace courses
