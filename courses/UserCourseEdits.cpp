#include "courses/UserCourseEdits.h"

#include "courses/UserCourseLines.h"
#include "platform/TextFiles.h"

namespace courses {
namespace {

QString UnreadLineMessage(const QString& problem) {
    return problem + QStringLiteral(
                         "\r\n読めたホールだけを開きます。このファイルは最後まで読めなかったので、"
                         "保存しても上書きしません。");
}

QString FewerHolesMessage(int holes) {
    return TooFewHolesMessage(holes) +
           QStringLiteral("\r\nホール%1から後は新しいホールで始め、保存すると書き足します。")
               .arg(holes + 1);
}

QString MoreHolesMessage(qsizetype holes, qsizetype firstUnused) {
    return QStringLiteral(
               "自作コースのファイル「USER.TXT」にはホールの行が%1行あります。\r\n"
               "ゲームが使うのは最初の18行だけで、%2行目から後のホールの行は使いません"
               "（保存してもそのまま残します）。")
        .arg(holes)
        .arg(firstUnused);
}

// The file's first line end; CR LF for a file that has none.
QByteArray LineEndOf(const QByteArray& file) {
    for (const platform::LineSpan& line : platform::LineSpans(file)) {
        if (line.end > line.contentEnd)
            return file.mid(line.contentEnd, line.end - line.contentEnd);
    }
    return QByteArrayLiteral("\r\n");
}

std::optional<QByteArray> HoleLineBytes(const QString& row) {
    const std::optional<QByteArray> bytes = platform::EncodeCp932(row);
    if (!bytes) return std::nullopt;
    return '@' + *bytes;
}

}  // namespace

QList<HoleLineSpan> HoleLineSpans(const QByteArray& file) {
    QList<HoleLineSpan> spans;
    const QList<platform::LineSpan> lines = platform::LineSpans(file);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        qsizetype at = lines[i].start;
        qsizetype end = lines[i].contentEnd;
        while (at < end && file[at] == ' ') ++at;
        while (end > at && file[end - 1] == ' ') --end;
        if (at < end && file[at] == '@') spans.append({i + 1, at, end, lines[i].end});
    }
    return spans;
}

EditableCourse ReadCourseForEditing(const QByteArray& file) {
    EditableCourse course;
    const QList<HoleLineSpan> spans = HoleLineSpans(file);
    for (qsizetype k = 0; k < spans.size() && k < kHoles; ++k) {
        const HoleLineSpan& span = spans[k];
        const HoleLineRead read = ReadHoleLine(file.mid(span.at + 1, span.contentEnd - span.at - 1),
                                               span.lineNumber, static_cast<int>(k + 1));
        course.rows[static_cast<std::size_t>(k)] = read.hole;
        if (!read.hole && course.whole) {
            course.whole = false;
            course.problem = UnreadLineMessage(read.problem);
        }
    }
    if (!course.whole) return course;
    if (spans.size() < kHoles) course.problem = FewerHolesMessage(static_cast<int>(spans.size()));
    if (spans.size() > kHoles)
        course.problem = MoreHolesMessage(spans.size(), spans[kHoles].lineNumber);
    return course;
}

std::optional<QByteArray> WithChangedHoles(const QByteArray& file, const HoleRows& changed) {
    const QList<HoleLineSpan> spans = HoleLineSpans(file);
    const QByteArray lineEnd = LineEndOf(file);
    QByteArray out;
    out.reserve(file.size() + 4096);
    if (file.isEmpty())
        out += *platform::EncodeCp932(QStringLiteral("Quorvane 自作コース")) + lineEnd;
    qsizetype copied = 0;
    for (qsizetype k = 0; k < spans.size() && k < kHoles; ++k) {
        const std::optional<QString>& row = changed[static_cast<std::size_t>(k)];
        if (!row) continue;
        const std::optional<QByteArray> line = HoleLineBytes(*row);
        if (!line) return std::nullopt;
        out += QByteArrayView(file).sliced(copied, spans[k].at - copied);
        out += *line;
        copied = spans[k].contentEnd;
    }
    // New hole lines follow the last hole line, or end the file.
    const qsizetype insertAt = spans.isEmpty() ? file.size() : spans.last().end;
    out += QByteArrayView(file).sliced(copied, insertAt - copied);
    if (insertAt > 0 && file[insertAt - 1] != '\n' && file[insertAt - 1] != '\r') out += lineEnd;
    for (qsizetype k = spans.size(); k < kHoles; ++k) {
        const std::optional<QString>& row = changed[static_cast<std::size_t>(k)];
        if (!row) continue;
        const std::optional<QByteArray> line = HoleLineBytes(*row);
        if (!line) return std::nullopt;
        out += *line + lineEnd;
    }
    out += QByteArrayView(file).sliced(insertAt);
    return out;
}

}  // namespace courses
