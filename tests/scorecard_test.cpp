// The score texts of a round and the high score kept for each course set.
#include <QFile>
#include <QTest>

#include "platform/Clock.h"
#include "scorecard/CardText.h"
#include "scorecard/HiScore.h"
#include "scorecard/ScoreCard.h"
#include "settings/Profile.h"
#include "tests/support/SampleRound.h"
#include "tests/support/TestEnvironment.h"

using namespace Qt::StringLiterals;

namespace {

const QString kData = QStringLiteral("Data");
const QDateTime kEndOfRound(QDate(2007, 7, 16), QTime(22, 10, 5));

// A round whose total difference is the given value.
scorecard::RoundScores FinishedRoundOf(int difference) {
    scorecard::RoundScores round = testing::FinishedBeginnerRound();
    round.strokes[0] += difference - 7;
    return round;
}

QString WithCrLf(const char* lines) {
    return QString::fromUtf8(lines).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QStringList CardLines(const QString& card) { return card.split(QStringLiteral("\r\n")); }

}  // namespace

class ScoreCardTest : public QObject {
    Q_OBJECT
private slots:
    void finishedRoundCardReplacesAWorseHighScore() {
        testing::TestEnvironment env;
        settings::WriteSetting(kData, QStringLiteral("HISCORE"),
                               QStringLiteral("2007/07/15 21:04:33 > +9"));
        const scorecard::RoundScores round = testing::FinishedBeginnerRound();

        const QString entry = scorecard::KeepHiScore(round, 0, kEndOfRound);
        const QString card = scorecard::CardText(round, 0, entry);

        const QString rule = QStringLiteral("+----+-------+-------+-------+");
        QStringList lines{rule, QStringLiteral("| No.|  Par  | Score |       |")};
        for (const char* row :
             {"|  1 |    +4 |    +5 |    +1 |", "|  2 |    +3 |    +3 |     0 |",
              "|  3 |    +5 |    +6 |    +1 |", "|  4 |    +3 |    +4 |    +1 |",
              "|  5 |    +5 |    +5 |     0 |", "|  6 |    +5 |    +6 |    +1 |",
              "|  7 |    +4 |    +4 |     0 |", "|  8 |    +4 |    +5 |    +1 |",
              "|  9 |    +3 |    +3 |     0 |", "| 10 |    +5 |    +5 |     0 |",
              "| 11 |    +4 |    +4 |     0 |", "| 12 |    +3 |    +4 |    +1 |",
              "| 13 |    +4 |    +5 |    +1 |", "| 14 |    +4 |    +4 |     0 |",
              "| 15 |    +4 |    +3 |    -1 |", "| 16 |    +4 |    +4 |     0 |",
              "| 17 |    +3 |    +3 |     0 |", "| 18 |    +5 |    +6 |    +1 |"}) {
            lines << rule << QString::fromUtf8(row);
        }
        lines << QStringLiteral("+====+=======+=======+=======+")
              << QStringLiteral("|    |   +72 |   +79 |    +7 |") << rule
              << QStringLiteral("入門コース：HI-SCORE")
              << QStringLiteral("   2007/07/16 22:10:05 > +7");
        QCOMPARE(CardLines(card), lines);
        QCOMPARE(card, lines.join(QStringLiteral("\r\n")));
        QCOMPARE(settings::ReadSetting(kData, QStringLiteral("HISCORE")),
                 QStringLiteral("2007/07/16 22:10:05 > +7"));
    }

    void clipboardTextsOfTheSameRound() {
        const scorecard::RoundScores round = testing::FinishedBeginnerRound();
        QCOMPARE(scorecard::TabSeparatedText(round, kEndOfRound),
                 WithCrLf("2007/07/16 22:10:05\n"
                          "No.\tPar\tScore\n"
                          "1\t+4\t+5\t+1\n2\t+3\t+3\t 0\n3\t+5\t+6\t+1\n4\t+3\t+4\t+1\n"
                          "5\t+5\t+5\t 0\n6\t+5\t+6\t+1\n7\t+4\t+4\t 0\n8\t+4\t+5\t+1\n"
                          "9\t+3\t+3\t 0\n10\t+5\t+5\t 0\n11\t+4\t+4\t 0\n12\t+3\t+4\t+1\n"
                          "13\t+4\t+5\t+1\n14\t+4\t+4\t 0\n15\t+4\t+3\t-1\n16\t+4\t+4\t 0\n"
                          "17\t+3\t+3\t 0\n18\t+5\t+6\t+1\n"
                          "\t+72\t+79\t+7\n"));
        QCOMPARE(scorecard::ColumnText(round, 0, kEndOfRound),
                 WithCrLf("入門コース：2007/07/16 22:10:05\nScore\n"
                          "+5\n+3\n+6\n+4\n+5\n+6\n+4\n+5\n+3\n+5\n+4\n+4\n+5\n+4\n+3\n+4\n+3\n+6\n"
                          "+79\n"));
        QVERIFY(scorecard::ColumnText(round, 1, kEndOfRound).startsWith(u"本格コース：2007"));
        QVERIFY(scorecard::ColumnText(round, 2, kEndOfRound).startsWith(u"自作コース：2007"));
    }

    void midRoundTextsShowOnlyThePlayedHolesAndNeverWrite() {
        testing::TestEnvironment env;
        const QString stored = QStringLiteral("2007/07/15 21:04:33 > +9");
        settings::WriteSetting(kData, QStringLiteral("HISCORE@"), stored);
        const QByteArray fileBefore = env.readFile(QStringLiteral("QVN.ini"));
        scorecard::RoundScores round = testing::FinishedBeginnerRound();  // hole 4 being played
        for (int hole = 4; hole <= 18; ++hole) round.strokes[std::size_t(hole - 1)] = 0;
        round.currentHole = 4;
        round.roundOver = false;

        const QString entry = scorecard::KeepHiScore(round, 1, kEndOfRound);
        const QStringList card = CardLines(scorecard::CardText(round, 1, entry));

        QCOMPARE(card.size(), 43);
        QCOMPARE(card[7], QStringLiteral("|  3 |    +5 |    +6 |    +1 |"));
        QCOMPARE(card[9], QStringLiteral("|  4 |    +3 | ----- | ----- |"));
        QCOMPARE(card[37], QStringLiteral("| 18 |    +5 | ----- | ----- |"));
        QCOMPARE(card[39], QStringLiteral("|    |   +72 |   +14 | ----- |"));
        QCOMPARE(card[41], QStringLiteral("本格コース：HI-SCORE"));
        QCOMPARE(card[42], QStringLiteral("   ") + stored);
        QCOMPARE(scorecard::KeepHiScore(round, 0, kEndOfRound), QString());
        QCOMPARE(env.readFile(QStringLiteral("QVN.ini")), fileBefore);

        const QStringList tabRows =
            scorecard::TabSeparatedText(round, kEndOfRound).split(QStringLiteral("\r\n"));
        QCOMPARE(tabRows[5], QStringLiteral("4\t+3\t-----\t-----"));
        QCOMPARE(tabRows[20], QStringLiteral("\t+72\t+14\t-----"));
        const QStringList column =
            scorecard::ColumnText(round, 1, kEndOfRound).split(QStringLiteral("\r\n"));
        QCOMPARE(column[5], QStringLiteral("-----"));
        QCOMPARE(column[20], QStringLiteral("+14"));
    }

    void cellsShowZeroParAndNeverCutAWideValue() {
        scorecard::RoundScores round = testing::FinishedBeginnerRound();
        round.par[0] = 0;
        round.strokes[1] = 123456;
        const QStringList card = CardLines(scorecard::CardText(round, 2, QString()));
        QCOMPARE(card[3], QStringLiteral("|  1 |     0 |    +5 |    +5 |"));
        QCOMPARE(card[5], QStringLiteral("|  2 |    +3 | +123456 | +123453 |"));
        QCOMPARE(card[41], QStringLiteral("自作コース：HI-SCORE"));
        QCOMPARE(card[42], QStringLiteral("   "));
    }

    void onlyAStrictlyBetterRoundReplacesTheEntry_data() {
        QTest::addColumn<int>("courseSet");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("difference");
        QTest::addColumn<bool>("replaced");
        const QString plus7 = QStringLiteral("2007/07/15 21:04:33 > +7");
        const QString zero = QStringLiteral("2007/07/15 21:04:33 >  0");
        QTest::newRow("first entry, total 0") << 2 << "HISCORE*" << QString() << 0 << true;
        QTest::newRow("equal keeps old date") << 2 << "HISCORE*" << plus7 << 7 << false;
        QTest::newRow("worse") << 2 << "HISCORE*" << plus7 << 8 << false;
        QTest::newRow("better") << 2 << "HISCORE*" << plus7 << 6 << true;
        QTest::newRow("stored zero equalled") << 0 << "HISCORE" << zero << 0 << false;
        QTest::newRow("stored zero beaten") << 0 << "HISCORE" << zero << -1 << true;
        QTest::newRow("no spaces read whole") << 1 << "HISCORE@" << u"+3"_s << 3 << false;
        QTest::newRow("no spaces beaten") << 1 << "HISCORE@" << u"+3"_s << 2 << true;
        QTest::newRow("no number counts 0") << 1 << "HISCORE@" << u"best ever"_s << 0 << false;
        QTest::newRow("no number beaten") << 1 << "HISCORE@" << u"x > great"_s << -1 << true;
        QTest::newRow("text after number") << 1 << "HISCORE@" << u"x > -4pt"_s << -4 << false;
        QTest::newRow("huge stored total")
            << 1 << "HISCORE@" << u"x > +9999999999"_s << 500 << true;
    }

    void onlyAStrictlyBetterRoundReplacesTheEntry() {
        QFETCH(int, courseSet);
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(int, difference);
        QFETCH(bool, replaced);
        testing::TestEnvironment env;
        if (!stored.isEmpty()) settings::WriteSetting(kData, key, stored);

        const QString entry =
            scorecard::KeepHiScore(FinishedRoundOf(difference), courseSet, kEndOfRound);

        const QString record =
            QStringLiteral("2007/07/16 22:10:05 > ") + scorecard::SignedText(difference);
        QCOMPARE(entry, replaced ? record : stored);
        QCOMPARE(settings::ReadSetting(kData, key), entry);
        if (replaced) QCOMPARE(scorecard::StoredTotal(entry), double(difference));
    }

    // A hole given on the command line is none of the course sets.
    void aRoundNotOfACourseLeavesTheHighScoreAlone() {
        testing::TestEnvironment env;
        const QString stored = QStringLiteral("2007/07/15 21:04:33 > +9");
        settings::WriteSetting(kData, QStringLiteral("HISCORE"), stored);
        const QString card =
            scorecard::ScoreCardText(testing::FinishedBeginnerRound(), 0, false, kEndOfRound);
        QVERIFY(card.endsWith(QStringLiteral("\r\n   ") + stored));
        QCOMPARE(settings::ReadSetting(kData, QStringLiteral("HISCORE")), stored);
        QVERIFY(scorecard::ScoreCardText(testing::FinishedBeginnerRound(), 0, true, kEndOfRound)
                    .endsWith(u"> +7"));
    }

    void unknownCourseSetTouchesNoEntry() {
        testing::TestEnvironment env;
        QCOMPARE(scorecard::KeepHiScore(testing::FinishedBeginnerRound(), 7, kEndOfRound),
                 QString());
        QVERIFY(!QFile::exists(env.filePath(QStringLiteral("QVN.ini"))));
        QVERIFY(scorecard::CardText(testing::FinishedBeginnerRound(), 7, QString())
                    .endsWith(u"\r\nHI-SCORE\r\n   "));
    }
};

QTEST_GUILESS_MAIN(ScoreCardTest)
#include "scorecard_test.moc"
