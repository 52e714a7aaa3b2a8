// Holing out: the stroke count, the drop, the announcement and the next hole.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "game/Flight.h"
#include "game/Form1.h"
#include "game/HoleOut.h"
#include "game/RoundState.h"
#include "game/TurnCycle.h"
#include "holeview/Form8.h"
#include "platform/Program.h"
#include "settings/SettingsState.h"
#include "tests/support/PlayField.h"
#include "tests/support/TestEnvironment.h"

using game::state;
using testing::FlatField;
using testing::kGroundY;
using testing::LaidOutHole;

namespace {

// "Quorvane|" and the result, comment and what comes next, in paragraphs.
QString Message(const QString& result, const QString& comment, const QString& next) {
    const QString paragraph = QStringLiteral("\r\n\r\n");
    return u"Quorvane|"_qs + result + paragraph + comment + paragraph + next;
}

}  // namespace

class HoleOutTest : public QObject {
    Q_OBJECT
private slots:
    // The flag outlives the test environment; it must go before the application.
    void cleanup() { holeview::UnloadFlag(); }

    void commentComparesStrokesWithPar() {
        testing::TestEnvironment env;
        const QList<std::tuple<int, int, QString>> cases = {{3, 4, u"やるぅー！！"_qs},
                                                            {4, 4, u"いい感じ！"_qs},
                                                            {5, 4, u"おしい！"_qs},
                                                            {6, 4, u"残念！"_qs},
                                                            {7, 4, u"もっと頑張らなきゃ！"_qs},
                                                            {12, 4, u"もっと頑張らなきゃ！"_qs},
                                                            {1, 3, u"ホールインワン！！！！"_qs},
                                                            {1, 1, u"ホールインワン！！！！"_qs}};
        state.currentHole = 4;
        for (const auto& [strokes, par, comment] : cases) {
            state.holeStrokes[3] = strokes;
            state.holePar[3] = par;
            QCOMPARE(game::ShotComment(), comment);
        }
        state.holeStrokes[17] = 4;
        state.holePar[17] = 4;
        state.currentHole = 18;
        QCOMPARE(u"Quorvane|"_qs + game::HoleOutMessage(4, 18),
                 Message(u"4打で入りました！"_qs, u"いい感じ！"_qs, u"次は最終ホールです！"_qs));
    }

    void ballOverTheCupIsHoledEdgesIncluded_data() {
        QTest::addColumn<int>("ballX");
        QTest::addColumn<bool>("holed");
        QTest::newRow("cup at the left edge") << 5000 << true;
        QTest::newRow("cup at the right edge") << 4920 << true;
        QTest::newRow("one twip short") << 4919 << false;
        QTest::newRow("one twip past") << 5001 << false;
    }
    void ballOverTheCupIsHoledEdgesIncluded() {
        QFETCH(int, ballX);
        QFETCH(bool, holed);
        testing::TestEnvironment env;
        LaidOutHole(5);
        FlatField(ballX, 5000);
        state.strokeCount = 2;
        QPointF ballAtMessage;
        platform::SetMessageHook([&](const QString& text, const QString& title) {
            env.messages.append(title + u'|' + text);
            ballAtMessage = QPointF(game::Ball().Top(), game::Ball().BackColor());
        });
        game::CheckHoleOut();
        if (!holed) {
            QCOMPARE(state.strokeCount, 3);
            QCOMPARE(state.currentHole, 5);
            QVERIFY(env.messages.isEmpty());
            return;
        }
        QCOMPARE(env.messages, QStringList(Message(u"3打で入りました！"_qs, u"いい感じ！"_qs,
                                                   u"次は 6番ホールです！"_qs)));
        QCOMPARE(ballAtMessage, QPointF(kGroundY, game::kHoledColor));  // dropped, red
        QCOMPARE(state.holeStrokes[5], 3);
        QCOMPARE(state.currentHole, 6);
        // The next hole is laid out and waits for its first shot.
        QCOMPARE(state.strokeCount, 0);
        QCOMPARE(game::Ball().BackColor(), game::kReadyColor);
        QCOMPARE(state.ballX, 0);
    }

    void waterPenaltyCountsWhenThePutBackBallLiesOnTheCup() {
        testing::TestEnvironment env;
        LaidOutHole(1);
        FlatField(3100, 3000 - 120);
        testing::AddSprite(holeview::state.waterSprites, 3000, 400, 10);
        state.shotDirection = 1;
        state.ballY = kGroundY - 85;
        state.ballVX = state.bounceVX = 2;
        state.ballVY = 5;
        game::FlyBall();
        QCOMPARE(state.holeStrokes[1], 2);
    }

    // From the tee to the hole-out message with presses on the bar; the next
    // hole is laid out, and its first shot is left to the turn cycle.
    void wholeHolePlayedWithTheBar() {
        testing::TestEnvironment env;
        LaidOutHole(1);
        settings::state.speedFactor = 1;
        testing::BarPlayer player({{20, 12}, {6, 5}, {6, 5}, {6, 5}, {6, 5}});
        for (int shot = 0; shot < 5 && env.messages.isEmpty(); ++shot) game::NextTurn();
        QCOMPARE(env.messages, QStringList(Message(u"3打で入りました！"_qs, u"いい感じ！"_qs,
                                                   u"次は 2番ホールです！"_qs)));
        QCOMPARE(player.barsOpened, 3);
        QCOMPARE(state.currentHole, 2);
        QCOMPARE(game::Ball().BackColor(), game::kReadyColor);
    }

    void eighteenthHoleEndsTheRound() {
        testing::TestEnvironment env;
        LaidOutHole(18);
        FlatField(5000, 5000);
        state.strokeCount = 4;
        QTimer closer;  // the score window is modal
        connect(&closer, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
        closer.start(10);
        QVERIFY_THROWS_EXCEPTION(testing::ProgramEnded, game::CheckHoleOut());
        QCOMPARE(env.messages, QStringList(Message(u"5打で入りました！"_qs, u"残念！"_qs,
                                                   u"全ホール終了です。お疲れ様でした！"_qs)));
        QCOMPARE(state.roundOver, platform::kTrue);
        QCOMPARE(state.currentHole, 19);
        QVERIFY(!game::LoadedBall());
    }
};

QTEST_MAIN(HoleOutTest)
#include "holeout_test.moc"
