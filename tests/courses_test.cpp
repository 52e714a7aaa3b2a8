// The built-in courses, the tree size cycles and the custom course file.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include "courses/CourseSets.h"
#include "courses/CourseTables.h"
#include "courses/UserCourseFile.h"
#include "courses/UserCourseLines.h"
#include "platform/Program.h"
#include "platform/TextFiles.h"
#include "tests/support/TestEnvironment.h"

using namespace Qt::StringLiterals;

namespace {

QString Hole(int n) { return courses::fullCourse[static_cast<std::size_t>(n - 1)].toString(); }

// 18 hole lines of the full set, between other lines.
QStringList EighteenHoleLines() {
    QStringList lines{u"私のコース"_s, QString()};
    for (int n = 1; n <= 18; ++n) lines << u"@"_s + Hole(n);
    return lines;
}

QByteArray FileText(const QStringList& lines, const char* end = "\r\n") {
    return platform::EncodeCp932(lines.join(QString::fromLatin1(end)) + QString::fromLatin1(end))
        .value();
}

courses::CourseLoad Parse(const QStringList& lines) {
    return courses::ParseUserCourse(platform::SplitLines(FileText(lines)));
}

QString FirstHole(const courses::CourseLoad& course) {
    return course.rows ? course.rows->front() : course.problem;
}

int Runs(const QString& row, QChar letter) {
    int runs = 0;
    for (qsizetype i = 0; i < row.size(); ++i) {
        if (row[i] == letter && (i == 0 || row[i - 1] != letter)) ++runs;
    }
    return runs;
}

}  // namespace

class CoursesTest : public QObject {
    Q_OBJECT
private slots:
    // Facts of the two courses as they were designed: pars, where the pins
    // stand, which holes are played from the right, how many trees and runs.
    void builtInCoursesAreTheDesignedOnes_data() {
        QTest::addColumn<int>("courseSet");
        QTest::addColumn<QList<int>>("pinCells");
        QTest::addColumn<QList<int>>("teedFromTheRight");
        QTest::addColumn<int>("trees");
        QTest::addColumn<int>("bunkers");
        QTest::addColumn<int>("waters");
        QTest::newRow("beginner") << 0 << QList<int>{58, 34, 76, 46, 84, 61, 45, 61, 46,
                                                     64, 55, 32, 69, 49, 32, 77, 44, 86}
                                  << QList<int>{} << 111 << 59 << 0;
        QTest::newRow("full") << 1 << QList<int>{58, 36, 34, 47, 84, 56, 61, 86, 55,
                                                 39, 69, 69, 38, 32, 77, 37, 44, 84}
                              << QList<int>{2, 6, 10, 11, 13, 16} << 81 << 58 << 31;
    }
    void builtInCoursesAreTheDesignedOnes() {
        QFETCH(int, courseSet);
        const courses::CourseLoad course = courses::LoadCourse(courseSet);
        QVERIFY(course.rows && course.problem.isEmpty());
        int parSum = 0, trees = 0, bunkers = 0, waters = 0;
        QList<int> pins, teedFromTheRight;
        for (int n = 1; n <= 18; ++n) {
            const QString& row = (*course.rows)[std::size_t(n - 1)];
            QCOMPARE(row.size(), 101);
            QCOMPARE(row.count(u'T'), 1);
            QCOMPARE(row.count(u'P'), 1);
            QVERIFY(row.at(1) == u'T' || row.at(100) == u'T');
            parSum += row.front().digitValue();
            pins << int(row.indexOf(u'P'));
            if (row.at(100) == u'T') teedFromTheRight << n;
            trees += int(row.count(u'K'));
            bunkers += Runs(row, u'B');
            waters += Runs(row, u'W');
        }
        QCOMPARE(parSum, 72);
        QTEST(pins, "pinCells");
        QTEST(teedFromTheRight, "teedFromTheRight");
        QTEST(trees, "trees");
        QTEST(bunkers, "bunkers");
        QTEST(waters, "waters");
    }

    void otherCourseSetsLoadNothing() {
        const courses::CourseLoad course = courses::LoadCourse(7);
        QVERIFY(!course.rows && course.problem.isEmpty());
        QCOMPARE(courses::CourseSetCode(1), u"@"_s);
        QCOMPARE(courses::CourseSetCaption(2), u"自作コース"_s);
        QCOMPARE(courses::CourseSetCode(3), QString());
    }

    void holeLinesAreFoundAmongOtherLines() {
        QStringList lines = EighteenHoleLines();
        lines[4] = u"   @"_s + Hole(3) + u"   "_s;  // indented and trailing spaces count
        lines.insert(6, u"\t@"_s + Hole(9));        // a tab hides a hole line
        lines.insert(6, u"　@"_s + Hole(9));        // so does an ideographic space
        lines.insert(6, u"; @ in the middle of a comment"_s);
        lines << u"@not a hole"_s << u"@5T_P"_s;  // after the 18th
        const courses::CourseLoad course = Parse(lines);
        QVERIFY(course.rows.has_value());
        for (int n = 1; n <= 18; ++n) QCOMPARE((*course.rows)[n - 1], Hole(n));
    }

    void refusalsNameTheFileLineAndHole() {
        QStringList lines = EighteenHoleLines();
        lines.removeLast();
        QString problem = Parse(lines).problem;
        QVERIFY(problem.contains(u"「USER.TXT」"_s) && problem.contains(u"17行"_s));
        QVERIFY(problem.contains(u"ホール18"_s));
        QVERIFY(!Parse({}).rows.has_value());

        lines = EighteenHoleLines();
        lines[7] = u"@ "_s + Hole(6);  // a space after "@" belongs to the hole string
        courses::CourseLoad course = Parse(lines);
        QVERIFY(!course.rows.has_value());
        QVERIFY(course.problem.contains(u"「USER.TXT」の8行目（ホール6）"_s));
        QVERIFY(course.problem.contains(u"\r\n"_s));
        QVERIFY(!course.problem.contains(QRegularExpression(u"[^\r]\n"_s)));
        lines[7] = u"@"_s;
        QVERIFY(!Parse(lines).rows.has_value());
        lines[7] = u"@５"_s + Hole(6).mid(1);  // full-width digit
        QVERIFY(!Parse(lines).rows.has_value());

        lines = EighteenHoleLines();
        lines[4] = u"@3T"_s + QString(999, u'K');
        QVERIFY(Parse(lines).rows.has_value());
        lines[4] += u"K"_s;  // more than a thousand cells
        QVERIFY(Parse(lines).problem.contains(u"5行目（ホール3）"_s));
    }

    // Read afresh at every load, whatever the line ends.
    void userFileIsReadInCodePage932WithAnyLineEnd() {
        testing::TestEnvironment env;
        QStringList lines = EighteenHoleLines();
        int par = 3;
        for (const char* end : {"\r\n", "\r", "\n"}) {
            const QString first = QString::number(par++) + u"T"_s + QString(98, u'_') + u"P"_s;
            lines[2] = u"@"_s + first;
            env.writeFile(u"USER.TXT"_s, FileText(lines, end));
            const courses::CourseLoad course = courses::LoadCourse(2);
            QCOMPARE((*course.rows)[0], first);
            QCOMPARE((*course.rows)[17], Hole(18));
        }
    }

    // The file beside the program comes first, the per-user one only without it.
    void theFileBesideTheProgramWins() {
        testing::TestEnvironment env;
        QStringList lines = EighteenHoleLines();
        QDir().mkpath(platform::PerUserFolder());
        const QString perUser = platform::PerUserFolder() + u"/USER.TXT"_s;
        QVERIFY(platform::WriteFileAtomically(perUser, FileText(lines)));
        QCOMPARE(FirstHole(courses::LoadCourse(2)), Hole(1));
        lines[2] = u"@9T"_s + QString(98, u'_') + u"P"_s;
        env.writeFile(u"USER.TXT"_s, FileText(lines));
        QCOMPARE(FirstHole(courses::LoadCourse(2)), lines[2].mid(1));
    }

    // Only hole lines must be code page 932: a title in UTF-8, a comment with a
    // stray byte and a byte order mark before the first line change nothing.
    void linesBesideTheHoleLinesMayHoldAnyBytes() {
        testing::TestEnvironment env;
        const QStringList holes = EighteenHoleLines().mid(2);
        env.writeFile(u"USER.TXT"_s, "\xEF\xBB\xBF" + FileText(holes.mid(0, 1)) +
                                         "\xE7\xA7\x81 in UTF-8\r\n; caf\xE9\r\n" +
                                         FileText(holes.mid(1)));
        const courses::CourseLoad course = courses::LoadCourse(2);
        QVERIFY2(course.rows.has_value(), qPrintable(course.problem));
        for (int n = 1; n <= 18; ++n) QCOMPARE((*course.rows)[n - 1], Hole(n));
    }

    void aFileThatCannotBePlayedSaysWhy_data() {
        QTest::addColumn<QString>("kind");  // an odd entry, "lines" or "none"
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QString>("problem");
        QStringList shortOfOne = EighteenHoleLines();
        shortOfOne.removeLast();
        QTest::newRow("no file") << u"none"_s << QByteArray() << u"見つかりません"_s;
        QTest::newRow("17 holes") << u"lines"_s << FileText(shortOfOne) << u"17行しか"_s;
        QTest::newRow("hole line not 932")
            << u"lines"_s << "x\r\n\r\n@4T_\x81\r\n" + FileText(EighteenHoleLines())
            << u"3行目（ホール1）に、シフトJIS"_s;
        for (const char* kind : {"fifo", "zero", "folder", "socket", "big"}) {
            QTest::newRow(kind) << QString::fromLatin1(kind) << QByteArray() << u"読み込めません"_s;
        }
    }
    void aFileThatCannotBePlayedSaysWhy() {
        QFETCH(QString, kind);
        QFETCH(QByteArray, lines);
        testing::TestEnvironment env;
        if (kind == u"lines"_s) env.writeFile(u"USER.TXT"_s, lines);
        if (kind != u"lines"_s && kind != u"none"_s) env.placeOddEntry(u"USER.TXT"_s, kind);
        QCOMPARE(courses::UserCourseFileExists(), kind != u"none"_s);
        const courses::CourseLoad course = courses::LoadCourse(2);
        QVERIFY(!course.rows);
        QFETCH(QString, problem);
        QVERIFY2(course.problem.contains(u"「USER.TXT」"_s) && course.problem.contains(problem),
                 qPrintable(course.problem));
    }
};

QTEST_GUILESS_MAIN(CoursesTest)
#include "courses_test.moc"
