// The built-in courses, the tree size cycles and the custom course file.
#include <QRegularExpression>
#include <QTest>

#include "courses/CourseState.h"
#include "courses/CourseTables.h"
#include "courses/Courses.h"
#include "courses/TreeSteps.h"
#include "courses/UserCourseFile.h"
#include "courses/UserCourseLines.h"
#include "game/RoundState.h"
#include "platform/TextFiles.h"
#include "settings/SettingsState.h"
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

}  // namespace

class CoursesTest : public QObject {
    Q_OBJECT
private slots:
    void builtInTablesAreWellFormed() {
        const QList<int> reversed[2] = {{}, {2, 6, 10, 11, 13, 16}};
        const std::array<QStringView, 18>* tables[2] = {&courses::beginnerCourse,
                                                        &courses::fullCourse};
        for (int set = 0; set < 2; ++set) {
            int parSum = 0;
            QList<int> teedFromTheRight;
            for (int n = 1; n <= 18; ++n) {
                const QStringView row = (*tables[set])[std::size_t(n - 1)];
                parSum += row.front().digitValue();
                if (row.at(100) == u'T') teedFromTheRight << n;
                QCOMPARE(row.size(), 101);
                QCOMPARE(row.count(u'T'), 1);
                QCOMPARE(row.count(u'P'), 1);
                QVERIFY(row.at(1) == u'T' || row.at(100) == u'T');
                QVERIFY(!row.contains(u'E') && (set == 1 || !row.contains(u'W')));
            }
            QCOMPARE(parSum, 72);
            QCOMPARE(teedFromTheRight, reversed[set]);
        }
    }

    void loadCourseFillsTheChosenSetAndTheTreeTables() {
        testing::TestEnvironment env;
        settings::state.courseSet = 1;
        courses::LoadCourse();
        QCOMPARE(courses::state.courseRows[1], Hole(2));
        QCOMPARE(courses::state.treeHeightSteps, courses::kTreeHeightSteps);
        QCOMPARE(courses::state.treeWidthSteps, courses::kTreeWidthSteps);
        settings::state.courseSet = 0;
        courses::LoadCourse();
        const auto beginner = courses::state.courseRows;
        for (int i = 0; i < 18; ++i) QCOMPARE(beginner[i], courses::beginnerCourse[i].toString());

        courses::state.treeWidthSteps.fill(0);
        settings::state.courseSet = 7;
        courses::LoadCourse();
        QCOMPARE(courses::state.courseRows, beginner);
        QCOMPARE(courses::state.treeWidthSteps, courses::kTreeWidthSteps);
    }

    void treeStepsCycleWithPeriods16And20() {
        testing::TestEnvironment env;
        courses::LoadTreeSteps();
        for (int tree = 0; tree < 40; ++tree) {
            QCOMPARE(courses::NextTreeWidthStep(), courses::kTreeWidthSteps[tree % 16]);
            QCOMPARE(courses::NextTreeHeightStep(), courses::kTreeHeightSteps[tree % 20]);
        }
        QCOMPARE(game::state.treeWidthPos, 40 % 16);
        QCOMPARE(game::state.treeHeightPos, 0);
        // Loading a course does not restart the cycle.
        courses::LoadCourse();
        QCOMPARE(courses::NextTreeWidthStep(), courses::kTreeWidthSteps[8]);
    }

    void holeLinesAreFoundAmongOtherLines() {
        QStringList lines = EighteenHoleLines();
        lines[4] = u"   @"_s + Hole(3) + u"   "_s;  // indented and trailing spaces count
        lines.insert(6, u"\t@"_s + Hole(9));        // a tab hides a hole line
        lines.insert(6, u"　@"_s + Hole(9));        // so does an ideographic space
        lines.insert(6, u"; @ in the middle of a comment"_s);
        lines << u"@not a hole"_s << u"@5T_P"_s;  // after the 18th
        const courses::UserCourse course = courses::ParseUserCourse(lines);
        QVERIFY(course.rows.has_value());
        for (int n = 1; n <= 18; ++n) QCOMPARE((*course.rows)[n - 1], Hole(n));
    }

    void refusalsNameTheFileLineAndHole() {
        QStringList lines = EighteenHoleLines();
        lines.removeLast();
        QString problem = courses::ParseUserCourse(lines).problem;
        QVERIFY(problem.contains(u"「USER.TXT」"_s) && problem.contains(u"17行"_s));
        QVERIFY(problem.contains(u"ホール18"_s));
        QVERIFY(!courses::ParseUserCourse({}).rows.has_value());

        lines = EighteenHoleLines();
        lines[7] = u"@ "_s + Hole(6);  // a space after "@" belongs to the hole string
        courses::UserCourse course = courses::ParseUserCourse(lines);
        QVERIFY(!course.rows.has_value());
        QVERIFY(course.problem.contains(u"「USER.TXT」の8行目（ホール6）"_s));
        QVERIFY(course.problem.contains(u"\r\n"_s));
        QVERIFY(!course.problem.contains(QRegularExpression(u"[^\r]\n"_s)));
        lines[7] = u"@"_s;
        QVERIFY(!courses::ParseUserCourse(lines).rows.has_value());
        lines[7] = u"@５"_s + Hole(6).mid(1);  // full-width digit
        QVERIFY(!courses::ParseUserCourse(lines).rows.has_value());

        lines = EighteenHoleLines();
        lines[4] = u"@3T"_s + QString(999, u'K');
        QVERIFY(courses::ParseUserCourse(lines).rows.has_value());
        lines[4] += u"K"_s;  // more than a thousand cells
        QVERIFY(courses::ParseUserCourse(lines).problem.contains(u"5行目（ホール3）"_s));
    }

    // Read afresh at every load, whatever the line ends.
    void userFileIsReadInCodePage932WithAnyLineEnd() {
        testing::TestEnvironment env;
        settings::state.courseSet = 2;
        QStringList lines = EighteenHoleLines();
        int par = 3;
        for (const char* end : {"\r\n", "\r", "\n"}) {
            const QString first = QString::number(par++) + u"T"_s + QString(98, u'_') + u"P"_s;
            lines[2] = u"@"_s + first;
            env.writeFile(u"USER.TXT"_s, FileText(lines, end));
            courses::LoadCourse();
            QCOMPARE(courses::state.courseRows[0], first);
            QCOMPARE(courses::state.courseRows[17], Hole(18));
        }
        QCOMPARE(env.messages, QStringList());
    }

    void aRefusedFileKeepsTheRowsAndTellsThePlayer() {
        testing::TestEnvironment env;
        settings::state.courseSet = 0;
        courses::LoadCourse();
        const auto before = courses::state.courseRows;
        settings::state.courseSet = 2;
        courses::LoadCourse();  // no file
        env.writeFile(u"USER.TXT"_s, "\x81\r\n" + FileText(EighteenHoleLines()));
        courses::LoadCourse();  // not code page 932
        QStringList lines = EighteenHoleLines();
        lines.removeLast();
        env.writeFile(u"USER.TXT"_s, FileText(lines));
        courses::state.treeHeightSteps.fill(0);
        courses::LoadCourse();  // too short
        QCOMPARE(courses::state.courseRows, before);
        QCOMPARE(courses::state.treeHeightSteps, courses::kTreeHeightSteps);
        QCOMPARE(env.messages.size(), 3);
        for (const QString& message : env.messages) {
            QVERIFY(message.startsWith(u"Quorvane|"_s));
            QVERIFY(message.contains(u"「USER.TXT」"_s));
        }
    }
};

QTEST_MAIN(CoursesTest)
#include "courses_test.moc"
