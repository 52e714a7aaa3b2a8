// USER.TXT as the course editor opens and saves it: every byte but the
// changed hole lines stays, and a file that was not read whole is not replaced.
#include <QDir>
#include <QFileInfo>
#include <QTest>

#include "courses/UserCourseEdits.h"
#include "courses/UserCourseFile.h"
#include "platform/Program.h"
#include "platform/TextFiles.h"
#include "tests/support/TestEnvironment.h"

using namespace Qt::StringLiterals;

namespace {

QByteArray Row(int hole) { return "4T" + QByteArray(hole, '_') + "P"; }
QString Changed(int hole) { return u"3T"_s + QString(hole, u'B') + u"P"_s; }

QByteArray Cp932(const QString& text) { return platform::EncodeCp932(text).value(); }

// Hole lines 1 to holes, each ending with the line end, between a title and a comment.
QByteArray File(int holes, const QByteArray& end, const QByteArray& lastLine = "; end") {
    QByteArray file = Cp932(u"私のコース"_s) + end + "; " + Cp932(u"説明"_s) + end + end;
    for (int hole = 1; hole <= holes; ++hole) file += "@" + Row(hole) + end;
    return file + lastLine + end;
}

QByteArray Replaced(QByteArray file, int hole) {
    return file.replace("@" + Row(hole) + "\r", "@" + Changed(hole).toLatin1() + "\r")
        .replace("@" + Row(hole) + "\n", "@" + Changed(hole).toLatin1() + "\n");
}

courses::HoleRows Changes(const QList<int>& holes) {
    courses::HoleRows rows;
    for (int hole : holes) rows[std::size_t(hole - 1)] = Changed(hole);
    return rows;
}

}  // namespace

class CourseEditsTest : public QObject {
    Q_OBJECT
private slots:
    void savingRewritesOnlyTheChangedHoleLines_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<int>>("changed");
        QTest::addColumn<QByteArray>("saved");
        for (const char* end : {"\r\n", "\r", "\n"}) {
            const QByteArray file = File(18, end);
            QTest::addRow("line ends %d", int(QByteArray(end).size() * 10 + end[0]))
                << file << QList<int>{2, 18} << Replaced(Replaced(file, 2), 18);
        }
        const QByteArray bom = "\xEF\xBB\xBF" + File(18, "\r\n");
        QTest::newRow("byte order mark") << bom << QList<int>{1} << Replaced(bom, 1);
        QByteArray indented = File(18, "\r\n", "last line without an end");
        indented.chop(2);
        indented.replace("@" + Row(5) + "\r\n", "  @" + Row(5) + "  \r\n");
        QTest::newRow("indented, trailing blanks, no final line end")
            << indented << QList<int>{5}
            << QByteArray(indented).replace("@" + Row(5) + " ", "@" + Changed(5).toLatin1() + " ");
        QTest::newRow("17 holes: the 18th after the 17th")
            << File(17, "\r") << QList<int>{18}
            << QByteArray(File(17, "\r"))
                   .replace("; end", "@" + Changed(18).toLatin1() + "\r; end");
        QByteArray seventeenAtEnd = File(17, "\n", "@" + Row(17));
        seventeenAtEnd.replace("@" + Row(17) + "\n@", "@");
        seventeenAtEnd.chop(1);
        QTest::newRow("last hole line without an end")
            << seventeenAtEnd << QList<int>{18}
            << seventeenAtEnd + "\n@" + Changed(18).toLatin1() + "\n";
        QByteArray twenty = File(18, "\r\n") + "@" + Row(19) + "\r\n@" + Row(20) + "\r\n";
        QTest::newRow("hole lines after the 18th stay")
            << twenty << QList<int>{18} << Replaced(twenty, 18);
        QByteArray fresh = Cp932(u"Quorvane 自作コース\r\n"_s);
        QList<int> all;
        for (int hole = 1; hole <= 18; ++hole) {
            all << hole;
            fresh += "@" + Changed(hole).toLatin1() + "\r\n";
        }
        QTest::newRow("new file starts with a title") << QByteArray() << all << fresh;
    }
    void savingRewritesOnlyTheChangedHoleLines() {
        QFETCH(QByteArray, file);
        QFETCH(QList<int>, changed);
        QTEST(courses::WithChangedHoles(file, Changes(changed)).value(), "saved");
    }

    void openingSaysWhatIsWrongAndWhere_data() {
        QTest::addColumn<QString>("kind");  // an odd entry, "none" or "bytes"
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<int>>("holesRead");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<QString>("problem");  // a part of it
        QList<int> all, allBut3;
        for (int hole = 1; hole <= 18; ++hole) all << hole;
        allBut3 = all;
        allBut3.removeOne(3);
        QByteArray notCp932 = File(18, "\r\n").replace("@" + Row(3), "@4T_P\xFF");
        QByteArray noPar = File(18, "\r\n").replace("@" + Row(3), "@T___P");
        QTest::newRow("none") << u"none"_s << QByteArray() << QList<int>{} << true << QString();
        QTest::newRow("18 holes") << u"bytes"_s << File(18, "\r\n") << all << true << QString();
        QTest::newRow("17 holes") << u"bytes"_s << File(17, "\r\n") << all.mid(0, 17) << true
                                  << u"ホール18から後は新しいホール"_s;
        QTest::newRow("19 holes") << u"bytes"_s << File(19, "\r\n") << all << true
                                  << u"22行目から後のホールの行は使いません"_s;
        QTest::newRow("hole 3 not code page 932")
            << u"bytes"_s << notCp932 << allBut3 << false << u"6行目（ホール3）"_s;
        QTest::newRow("hole 3 without par")
            << u"bytes"_s << noPar << allBut3 << false << u"6行目（ホール3）にパーがありません"_s;
        for (const char* kind : {"fifo", "zero", "folder", "big"}) {
            QTest::newRow(kind) << QString::fromLatin1(kind) << QByteArray() << QList<int>{}
                                << false << u"読み込めません"_s;
        }
    }
    void openingSaysWhatIsWrongAndWhere() {
        QFETCH(QString, kind);
        QFETCH(QByteArray, file);
        QFETCH(QList<int>, holesRead);
        QFETCH(QString, problem);
        testing::TestEnvironment env;
        if (kind == u"bytes"_s) env.writeFile(u"USER.TXT"_s, file);
        if (kind != u"bytes"_s && kind != u"none"_s) env.placeOddEntry(u"USER.TXT"_s, kind);
        const courses::EditableCourse course =
            courses::OpenCourseForEditing(env.filePath(u"USER.TXT"_s));
        QTEST(course.whole, "whole");
        QVERIFY2(problem.isEmpty() ? course.problem.isEmpty() : course.problem.contains(problem),
                 qPrintable(course.problem));
        for (int hole = 1; hole <= 18; ++hole) {
            QCOMPARE(course.rows[std::size_t(hole - 1)].has_value(), holesRead.contains(hole));
        }
        if (!holesRead.isEmpty()) QCOMPARE(course.rows[0], QString::fromLatin1(Row(1)));
    }

    // Saving starts from what the file holds then; what cannot be read, or a
    // write that fails, leaves every byte where it was.
    void aSaveWritesWholeOrNothing() {
        testing::TestEnvironment env;
        const QString path = env.filePath(u"USER.TXT"_s);
        env.placeOddEntry(u"USER.TXT"_s, u"fifo"_s);
        QVERIFY(!courses::SaveEditedCourse(path, path, Changes({1})).isEmpty());
        QVERIFY(QFileInfo(path).isFile() == false && platform::EntryExists(path));

        QFile::remove(path);
        env.writeFile(u"USER.TXT"_s, File(18, "\r\n"));
        platform::InjectWriteFailureAfter(10);
        QVERIFY(courses::SaveEditedCourse(path, path, Changes({1})).contains(u"保存できません"_s));
        QCOMPARE(env.readFile(u"USER.TXT"_s), File(18, "\r\n"));
        platform::InjectWriteFailureAfter(-1);
        env.writeFile(u"USER.TXT"_s, File(18, "\r"));
        QVERIFY(courses::SaveEditedCourse(path, path, Changes({4})).isEmpty());
        QCOMPARE(env.readFile(u"USER.TXT"_s), Replaced(File(18, "\r"), 4));
    }

    // The file the editor saves is the one the game plays.
    void theGameReadsWhereTheEditorSaves_data() {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("beside");
        QTest::addColumn<bool>("perUser");
        QTest::addColumn<bool>("readsBeside");
        QTest::addColumn<bool>("writesBeside");
        QTest::newRow("writable, both") << true << true << true << true << true;
        QTest::newRow("writable, per-user only") << true << false << true << false << true;
        QTest::newRow("read-only, both") << false << true << true << false << false;
        QTest::newRow("read-only, beside only") << false << true << false << true << false;
        QTest::newRow("read-only, none") << false << false << false << false << false;
    }
    void theGameReadsWhereTheEditorSaves() {
        QFETCH(bool, writable);
        QFETCH(bool, beside);
        QFETCH(bool, perUser);
        testing::TestEnvironment env;
        platform::SetProgramFolderWritable(writable);
        const QString besidePath = env.filePath(u"USER.TXT"_s);
        const QString perUserPath = platform::PerUserFolder() + u"/USER.TXT"_s;
        if (beside) env.writeFile(u"USER.TXT"_s, File(18, "\r\n"));
        if (perUser) {
            QDir().mkpath(platform::PerUserFolder());
            QFile file(perUserPath);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QFETCH(bool, readsBeside);
        QFETCH(bool, writesBeside);
        QCOMPARE(platform::UserCourseFilePath(), readsBeside ? besidePath : perUserPath);
        QCOMPARE(platform::UserCourseFileToWrite(), writesBeside ? besidePath : perUserPath);
    }
};

QTEST_GUILESS_MAIN(CourseEditsTest)
#include "courseedits_test.moc"
