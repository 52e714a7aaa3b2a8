#include "courses/UserCourseLines.h"

#include "courses/HoleString.h"

namespace courses {
namespace {

constexpr int kHoles = 18;

// Only the plain space: a tab or an ideographic space is part of the line.
QString StrippedOfSpaces(const QString& line) {
    qsizetype first = 0;
    qsizetype last = line.size();
    while (first < last && line[first] == u' ') ++first;
    while (last > first && line[last - 1] == u' ') --last;
    return line.mid(first, last - first);
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

QString TooFewHolesMessage(int holes) {
    return QStringLiteral(
               "自作コースのファイル「USER.TXT」には「@」で始まるホールの行が%"
               "1行しかありません。\r\n"
               "ホール%2から後の行がありません。18ホール分、18行が必要です。")
        .arg(holes)
        .arg(holes + 1);
}

}  // namespace

CourseLoad ParseUserCourse(const QStringList& lines) {
    CourseRows rows;
    int holes = 0;
    for (qsizetype i = 0; i < lines.size() && holes < kHoles; ++i) {
        const QString line = StrippedOfSpaces(lines[i]);
        if (!line.startsWith(u'@')) continue;
        const QString hole = line.mid(1);
        if (!StartsWithParDigit(hole)) return {std::nullopt, NoParMessage(i + 1, holes + 1)};
        if (HasTooManyCells(hole)) return {std::nullopt, TooLongMessage(i + 1, holes + 1)};
        rows[static_cast<std::size_t>(holes++)] = hole;
    }
    if (holes < kHoles) return {std::nullopt, TooFewHolesMessage(holes)};
    return {rows, QString()};
}

}  // namespace courses
