// What the player reads: the control bar's labels and where it opens, and
// the hole-out announcements.
#include <QTest>

#include "controlbar/BarPlacement.h"
#include "controlbar/BarTexts.h"
#include "game/HoleOutTexts.h"

using namespace Qt::StringLiterals;

class TextsTest : public QObject {
    Q_OBJECT
private slots:
    void barLabels() {
        QCOMPARE(controlbar::HoleText(1, 7, 3), u"@07 (3) : "_s);
        QCOMPARE(controlbar::HoleText(0, 12, 5), u"#12 (5) : "_s);
        QCOMPARE(controlbar::HoleText(2, 1, 0), u"*01 (0) : "_s);
        QCOMPARE(controlbar::StrokeText(0), u"001"_s);
        QCOMPARE(controlbar::StrokeText(999), u"1000"_s);
        QCOMPARE(controlbar::WindText(1, 3), u"<<<"_s);
        QCOMPARE(controlbar::WindText(2, 5), u">>>>>"_s);
        QCOMPARE(controlbar::WindText(2, 0), QString());
        QCOMPARE(controlbar::BarWidthTwips(0), 2150);
        QCOMPARE(controlbar::BarWidthTwips(2), 2720);
    }

    void barOpensAboveTheBallInsideTheGameWidth() {
        using controlbar::BarPosition;
        QCOMPARE(BarPosition({16480, 10000, 2720, 230, 19200, false}), QPoint(16480, 9540));
        QCOMPARE(BarPosition({16481, 10000, 2720, 230, 19200, false}), QPoint(16480, 9540));
        // Rounded first, then halved with the fraction dropped.
        QCOMPARE(BarPosition({17000, 10000, 2713, 230, 19200, true}), QPoint(8243, 9540));
    }

    void commentComparesStrokesWithPar_data() {
        QTest::addColumn<int>("strokes");
        QTest::addColumn<int>("par");
        QTest::addColumn<QString>("comment");
        QTest::newRow("under par") << 3 << 4 << u"やるぅー！！"_s;
        QTest::newRow("par") << 4 << 4 << u"いい感じ！"_s;
        QTest::newRow("one over") << 5 << 4 << u"おしい！"_s;
        QTest::newRow("two over") << 6 << 4 << u"残念！"_s;
        QTest::newRow("three over") << 7 << 4 << u"もっと頑張らなきゃ！"_s;
        QTest::newRow("hole in one on a par 3") << 1 << 3 << u"ホールインワン！！！！"_s;
        QTest::newRow("hole in one at par") << 1 << 1 << u"ホールインワン！！！！"_s;
    }
    void commentComparesStrokesWithPar() {
        QFETCH(int, strokes);
        QFETCH(int, par);
        QTEST(game::ShotComment(strokes, par), "comment");
    }

    void announcementNamesTheNextHole() {
        QCOMPARE(game::HoleOutMessage(1, 4, 2),
                 u"1打で入りました！\r\n\r\nホールインワン！！！！\r\n\r\n次は 2番ホールです！"_s);
        QCOMPARE(game::HoleOutMessage(5, 4, 6),
                 u"5打で入りました！\r\n\r\nおしい！\r\n\r\n次は 6番ホールです！"_s);
        QVERIFY(game::HoleOutMessage(4, 4, 18).endsWith(u"\r\n\r\n次は最終ホールです！"_s));
        QVERIFY(game::HoleOutMessage(4, 4, 19).endsWith(
            u"\r\n\r\n全ホール終了です。お疲れ様でした！"_s));
    }
};

QTEST_APPLESS_MAIN(TextsTest)
#include "texts_test.moc"
