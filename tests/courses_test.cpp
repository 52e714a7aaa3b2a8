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

int ParSum(const std::array<QStringView, 18>& course) {
    int sum = 0;
    for (QStringView row : course) sum += row.front().digitValue();
    return sum;
}

QList<int> HolesTeedFromTheRight(const std::array<QStringView, 18>& course) {
    QList<int> holes;
    for (int n = 1; n <= 18; ++n) {
        if (course[static_cast<std::size_t>(n - 1)].at(100) == u'T') holes << n;
    }
    return holes;
}

}  // namespace

class CoursesTest : public QObject {
    Q_OBJECT
private slots:
    void builtInTablesAreWellFormed() {
        for (const auto* course : {&courses::beginnerCourse, &courses::fullCourse}) {
            QCOMPARE(ParSum(*course), 72);
            for (QStringView row : *course) {
                QCOMPARE(row.size(), 101);
                QVERIFY(row.front() >= u'3' && row.front() <= u'5');
                QCOMPARE(row.count(u'T'), 1);
                QCOMPARE(row.count(u'P'), 1);
                QVERIFY(row.at(1) == u'T' || row.at(100) == u'T');
                QVERIFY(!row.contains(u'E'));
                // A bunker or water run is always closed by fairway.
                for (qsizetype i = 1; i + 1 < row.size(); ++i) {
                    const bool runEnds = (row[i] == u'B' || row[i] == u'W') && row[i + 1] != row[i];
                    if (runEnds) QCOMPARE(row[i + 1], QChar(u'_'));
                }
            }
        }
        QCOMPARE(HolesTeedFromTheRight(courses::beginnerCourse), QList<int>());
        QCOMPARE(HolesTeedFromTheRight(courses::fullCourse), (QList<int>{2, 6, 10, 11, 13, 16}));
        for (QStringView row : courses::beginnerCourse) QVERIFY(!row.contains(u'W'));
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
        courses::LoadCourse();
        QCOMPARE(courses::state.courseRows, beginner);
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
        QList<int> widths;
        QList<int> heights;
        for (int tree = 0; tree < 40; ++tree) {
            widths << courses::NextTreeWidthStep();
            heights << courses::NextTreeHeightStep();
        }
        for (int i = 0; i < 40; ++i) {
            QCOMPARE(widths[i], courses::kTreeWidthSteps[i % 16]);
            QCOMPARE(heights[i], courses::kTreeHeightSteps[i % 20]);
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
        const courses::UserCourse course = courses::ParseUserCourse(lines);
        QVERIFY(course.rows.has_value());
        for (int n = 1; n <= 18; ++n) QCOMPARE((*course.rows)[n - 1], Hole(n));
    }

    void holeLinesAfterThe18thAreIgnored() {
        QStringList lines = EighteenHoleLines();
        lines << u"@not a hole"_s << u"@5T_P"_s;
        const courses::UserCourse course = courses::ParseUserCourse(lines);
        QVERIFY(course.rows.has_value());
        QCOMPARE((*course.rows)[17], Hole(18));
    }

    void tooFewHoleLinesAreRefused() {
        QStringList lines = EighteenHoleLines();
        lines.removeLast();
        const courses::UserCourse course = courses::ParseUserCourse(lines);
        QVERIFY(!course.rows.has_value());
        QVERIFY(course.problem.contains(u"「USER.TXT」"_s));
        QVERIFY(course.problem.contains(u"17行"_s));
        QVERIFY(course.problem.contains(u"ホール18"_s));
        QVERIFY(!courses::ParseUserCourse({}).rows.has_value());
    }

    void aHoleWithoutAParDigitIsRefused() {
        QStringList lines = EighteenHoleLines();
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
    }

    void aHoleOfMoreThanAThousandCellsIsRefused() {
        QStringList lines = EighteenHoleLines();
        lines[4] = u"@3T"_s + QString(999, u'K');
        QVERIFY(courses::ParseUserCourse(lines).rows.has_value());
        lines[4] += u"K"_s;
        const courses::UserCourse course = courses::ParseUserCourse(lines);
        QVERIFY(!course.rows.has_value());
        QVERIFY(course.problem.contains(u"5行目（ホール3）"_s));
    }

    void userFileIsReadInCodePage932WithAnyLineEnd() {
        for (const char* end : {"\r\n", "\r", "\n"}) {
            testing::TestEnvironment env;
            env.writeFile(u"USER.TXT"_s, FileText(EighteenHoleLines(), end));
            settings::state.courseSet = 2;
            courses::LoadCourse();
            QCOMPARE(env.messages, QStringList());
            QCOMPARE(courses::state.courseRows[0], Hole(1));
            QCOMPARE(courses::state.courseRows[17], Hole(18));
        }
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

    void editsTakeEffectAtTheNextLoad() {
        testing::TestEnvironment env;
        settings::state.courseSet = 2;
        QStringList lines = EighteenHoleLines();
        env.writeFile(u"USER.TXT"_s, FileText(lines));
        courses::LoadCourse();
        QCOMPARE(courses::state.courseRows[0], Hole(1));
        lines[2] = u"@3T"_s + QString(98, u'_') + u"P"_s;
        env.writeFile(u"USER.TXT"_s, FileText(lines));
        for (int load = 0; load < 200; ++load) courses::LoadCourse();
        QCOMPARE(courses::state.courseRows[0], u"3T"_s + QString(98, u'_') + u"P"_s);
        QCOMPARE(env.messages, QStringList());
    }
};

QTEST_MAIN(CoursesTest)
#include "courses_test.moc"
