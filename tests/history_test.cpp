// The figures the statistics window and --stats show, and the CSV export,
// worked out from plain rounds without any window or file.
#include <QTest>

#include "history/RoundsCsv.h"
#include "history/Summary.h"

using history::RoundRecord;
using namespace Qt::StringLiterals;

namespace {

const QDateTime kFirstRound(QDate(2024, 5, 1), QTime(18, 0));

// "course[/key] againstPar [penalties bunkerShots treeHits | -]": par 4 on
// every hole, the strokes over par all on hole 1 and so are the hazards;
// "-" marks a round from before hazards were counted. Rounds are a minute apart.
std::vector<RoundRecord> Rounds(const QStringList& descriptions) {
    std::vector<RoundRecord> rounds;
    for (const QString& description : descriptions) {
        const QStringList words = description.split(u' ');
        const QStringList course = words[0].split(u'/');
        RoundRecord round;
        round.playedAt = kFirstRound.addSecs(60 * qint64(rounds.size()));
        round.courseSet = course[0].toInt();
        round.courseKey = course.value(1);
        for (history::HoleRecord& hole : round.holes) hole = {4, 4, 0, 0, 0};
        round.holes[0].strokes += words[1].toInt();
        round.hazardsCounted = words.value(2) != u"-"_s;
        if (words.size() == 5) {
            round.holes[0].penalties = words[2].toInt();
            round.holes[0].bunkerShots = words[3].toInt();
            round.holes[0].treeHits = words[4].toInt();
        }
        rounds.push_back(round);
    }
    return rounds;
}

}  // namespace

class HistoryTest : public QObject {
    Q_OBJECT
private slots:
    void summaryLinesOfEachCourse_data() {
        QTest::addColumn<QStringList>("rounds");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("nothing kept")
            << QStringList()
            << QStringList{u"まだ成績がありません。18ホールを回り終えると記録されます。"_s};
        QTest::newRow("one round")
            << QStringList{u"0 3 1 2 3"_s}
            << QStringList{
                   u"入門コース：1ラウンド  ベスト +3  平均 +3.0  池 1回  バンカー 2回  木 3回  最後 2024/05/01 18:00 +3"_s};
        QTest::newRow("best is the lowest, the average the mean")
            << QStringList{u"1 3"_s, u"1 -1"_s, u"1 0"_s}
            << QStringList{
                   u"本格コース：3ラウンド  ベスト -1  平均 +0.7  池 0回  バンカー 0回  木 0回  最後 2024/05/01 18:02 ±0"_s};
        QTest::newRow("courses apart, built-in first")
            << QStringList{u"2/aa -2"_s, u"1 5"_s, u"0 1"_s, u"1 -3"_s}
            << QStringList{
                   u"入門コース：1ラウンド  ベスト +1  平均 +1.0  池 0回  バンカー 0回  木 0回  最後 2024/05/01 18:02 +1"_s,
                   u"本格コース：2ラウンド  ベスト -3  平均 +1.0  池 0回  バンカー 0回  木 0回  最後 2024/05/01 18:03 -3"_s,
                   u"自作コース：1ラウンド  ベスト -2  平均 -2.0  池 0回  バンカー 0回  木 0回  最後 2024/05/01 18:00 -2"_s};
        QTest::newRow("custom courses told apart by their holes, numbered as first played")
            << QStringList{u"2/bb 4"_s, u"2/aa 1"_s, u"2/bb 2"_s}
            << QStringList{
                   u"自作コース 1：2ラウンド  ベスト +2  平均 +3.0  池 0回  バンカー 0回  木 0回  最後 2024/05/01 18:02 +2"_s,
                   u"自作コース 2：1ラウンド  ベスト +1  平均 +1.0  池 0回  バンカー 0回  木 0回  最後 2024/05/01 18:01 +1"_s};
        QTest::newRow("hazards summed over the rounds that counted them")
            << QStringList{u"0 2 -"_s, u"0 1 1 0 2"_s, u"0 4 2 3 0"_s}
            << QStringList{
                   u"入門コース：3ラウンド  ベスト +1  平均 +2.3  池 3回  バンカー 3回  木 2回  最後 2024/05/01 18:02 +4"_s};
    }
    void summaryLinesOfEachCourse() {
        QFETCH(QStringList, rounds);
        QTEST(history::SummaryLines(history::Summarize(Rounds(rounds))), "lines");
    }

    // Which holes hurt: the mean over par of each hole; the line holds every
    // round, the list the last five, newest first.
    void holesTrendAndRecentRounds() {
        std::vector<RoundRecord> rounds =
            Rounds({u"0 2"_s, u"0 0"_s, u"1 9"_s, u"0 1"_s, u"0 -1"_s, u"0 3"_s, u"0 5"_s});
        rounds[1].holes[17].strokes = 6;  // +2 on the last hole, total +2
        const std::vector<history::CourseSummary> courses = history::Summarize(rounds);
        QCOMPARE(courses.size(), 2u);
        const history::CourseSummary& beginner = courses[0];
        QCOMPARE(beginner.againstPar, (std::vector<std::int32_t>{2, 2, 1, -1, 3, 5}));
        QCOMPARE(beginner.holeOverPar[0], 10.0 / 6);
        QCOMPARE(beginner.holeOverPar[17], 2.0 / 6);
        QCOMPARE(beginner.holeOverPar[8], 0.0);
        QCOMPARE(beginner.recent.size(), history::kRecentRounds);
        QCOMPARE(beginner.recent.front(), (history::RecentRound{kFirstRound.addSecs(360), 77, 5}));
        QCOMPARE(beginner.recent.back().againstPar, 2);  // the second round; the first left
        QCOMPARE(history::CourseOfNewestRound(courses), 0u);
        QCOMPARE(history::CourseOfNewestRound(history::Summarize(Rounds({u"0 1"_s, u"1 2"_s}))),
                 1u);
        QCOMPARE(history::RoundsOf(rounds, {1, QString()}).size(), 1u);
    }

    void againstParTexts_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("whole");
        QTest::addColumn<QString>("average");
        QTest::newRow("over") << 3.0 << u"+3"_s << u"+3.0"_s;
        QTest::newRow("par") << 0.0 << u"±0"_s << u"±0.0"_s;
        QTest::newRow("under") << -2.0 << u"-2"_s << u"-2.0"_s;
        QTest::newRow("a little under rounds to par") << -0.04 << u"±0"_s << u"±0.0"_s;
        QTest::newRow("a third") << 4.0 / 3 << u"+1"_s << u"+1.3"_s;
    }
    void againstParTexts() {
        QFETCH(double, value);
        QTEST(history::AgainstParText(qRound(value)), "whole");
        QTEST(history::AverageText(value), "average");
    }

    // One row a hole; a round from before hazards were counted leaves them
    // empty; a label with a comma is quoted.
    void csvHasAHeaderAndOneRowAHole() {
        std::vector<RoundRecord> rounds = Rounds({u"2 1 1 0 2"_s, u"2 0 -"_s});
        rounds[0].holes[17] = {5, 7, 0, 1, 0};
        const QStringList lines =
            QString::fromUtf8(history::RoundsCsv(rounds, u"自作コース, 2"_s)).split(u"\r\n"_s);
        QCOMPARE(lines.size(), 1 + 2 * 18 + 1);
        QCOMPARE(lines[0], u"ラウンド,日時,コース,ホール,パー,打数,ペナルティ,バンカー,木"_s);
        QCOMPARE(lines[1], u"1,2024/05/01 18:00:00,\"自作コース, 2\",1,4,5,1,0,2"_s);
        QCOMPARE(lines[18], u"1,2024/05/01 18:00:00,\"自作コース, 2\",18,5,7,0,1,0"_s);
        QCOMPARE(lines[19], u"2,2024/05/01 18:01:00,\"自作コース, 2\",1,4,4,,,"_s);
        QCOMPARE(lines.last(), QString());
    }

    void fingerprintFollowsEveryHole() {
        courses::CourseRows rows;
        rows.fill(u"3T____P"_s);
        const QString original = history::CourseFingerprint(rows);
        QCOMPARE(original.size(), 16);
        QCOMPARE(history::CourseFingerprint(rows), original);
        rows[17] = u"3T___P_"_s;
        QVERIFY(history::CourseFingerprint(rows) != original);
    }
};

QTEST_APPLESS_MAIN(HistoryTest)
#include "history_test.moc"
