// The game menu and its commands, carried out by the game between the steps
// of whatever it is doing.
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "controlbar/ControlBar.h"
#include "desktop/ClockWindow.h"
#include "game/Game.h"
#include "game/GameMenu.h"
#include "history/StatsWindow.h"
#include "platform/Random.h"
#include "scorecard/ScoreWindow.h"
#include "tests/support/BarPlayer.h"
#include "tests/support/ShortHole.h"
#include "tests/support/TestEnvironment.h"

using game::Command;
using namespace Qt::StringLiterals;

namespace {

QStringList Captions(const QMenu& menu) {
    QStringList captions;
    for (const QAction* action : menu.actions()) {
        if (!action->isVisible()) continue;
        QString caption = action->isSeparator() ? u"-"_s : action->text();
        if (!action->isEnabled()) caption += u" (off)"_s;
        captions << caption;
    }
    return captions;
}

// Runs the action once, as soon as a control bar is open.
void OnceTheBarOpens(QObject* context, std::function<void()> action) {
    auto* poller = new QTimer(context);
    QObject::connect(poller, &QTimer::timeout, [poller, action] {
        if (!testing::OpenBar()) return;
        poller->stop();
        action();
    });
    poller->start(1);
}

template <class Window>
Window* ActiveModal() {
    return qobject_cast<Window*>(QApplication::activeModalWidget());
}

}  // namespace

class MenuTest : public QObject {
    Q_OBJECT
private slots:
    void menuOffersTheCommandsInOrder() {
        game::GameMenu menu;
        QCOMPARE(Captions(menu.Menu()),
                 (QStringList{u"ゲーム中断"_s, u"-"_s, u"最初のホールからやる！"_s, u"-"_s,
                              u"スコア表示"_s, u"成績..."_s, u"-"_s, u"バージョン情報"_s, u"-"_s,
                              u"コース (off)"_s, u"-"_s, u"終了"_s}));
        menu.SetRestartShown(false);
        QCOMPARE(Captions(menu.Menu()).mid(0, 3),
                 (QStringList{u"ゲーム中断"_s, u"-"_s, u"スコア表示"_s}));
        menu.CheckHole(1);
        const QList<QAction*> holes = menu.Menu().actions()[9]->menu()->actions();
        QCOMPARE(holes.size(), 18);
        QCOMPARE(holes[17]->text(), u"18"_s);
        for (int i = 0; i < 18; ++i) QCOMPARE(holes[i]->isChecked(), i == 0);
        menu.OfferBackToEditor();
        QCOMPARE(Captions(menu.Menu()).mid(7),
                 (QStringList{u"コース (off)"_s, u"-"_s, u"コース作成に戻る"_s}));
    }

    // A hole tried from the course editor ends at its hole-out, or as soon as
    // the player goes back from the menu, even while aiming; nothing is stored.
    void aTriedHoleEndsAtItsHoleOutOrFromTheMenu() {
        testing::TestEnvironment env;
        {
            game::Game game(testing::StandardSettings(), testing::ShortHole());
            platform::ScriptRandom({0.0});
            testing::BarPlayer player({{20, 12}, {6, 5}, {6, 5}, {6, 5}});
            game.TryHole({});
            QCOMPARE(player.barsOpened, 3);
            QCOMPARE(env.messages,
                     QStringList(u"Quorvane|3打で入りました！\r\n\r\nいい感じ！\r\n\r\n"
                                 u"コース作成に戻ります。"_s));
        }
        game::Game game(testing::StandardSettings(), testing::ShortHole());
        OnceTheBarOpens(this, [&] { game.Request(Command::BackToEditor); });
        game.TryHole({});
        QCOMPARE(env.messages.size(), 1);
        QCOMPARE(game.Round().strokeCount, 0);
        QVERIFY(!QFile::exists(env.filePath(u"QVN.ini"_s)));
    }

    // Out of sight while the clock shows, back exactly where they were.
    void pauseHidesEveryWindowAndPutsItBack() {
        testing::TestEnvironment env;
        game::Game game(testing::StandardSettings(), testing::ShortHole());
        testing::StartOnHole(game, 3);
        game.Ball().ShowInPlace();
        QRectF ballBefore, ballDuring, flagBefore;
        QPoint barBefore;
        bool hiddenDuring = false;
        OnceTheBarOpens(this, [&] {
            barBefore = testing::OpenBar()->pos();
            ballBefore = QRectF(game.Ball().Left(), game.Ball().Top(), 80, 80);
            flagBefore = QRectF(game.Field().Flag().Left(), game.Field().Flag().Top(), 75, 150);
            game.Request(Command::Pause);
        });
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            auto* clock = ActiveModal<desktop::ClockWindow>();
            if (!clock) return;
            ballDuring = QRectF(game.Ball().Left(), game.Ball().Top(), 80, 80);
            hiddenDuring = !game.Ball().isVisible() && !game.Field().Strip().isVisible() &&
                           !testing::OpenBar();
            QTest::mouseDClick(clock, Qt::LeftButton);
            game.Request(Command::Exit);
        });
        closer.start(1);
        QVERIFY_THROWS_EXCEPTION(testing::ProgramEnded, game.NextTurn());
        QCOMPARE(ballDuring, ballBefore.translated(0, 10000));
        QVERIFY(hiddenDuring);
        QCOMPARE(QRectF(game.Ball().Left(), game.Ball().Top(), 80, 80), ballBefore);
        QCOMPARE(QRectF(game.Field().Flag().Left(), game.Field().Flag().Top(), 75, 150),
                 flagBefore);
        QVERIFY(game.Ball().isVisible() && game.Field().Flag().isVisible());
        QVERIFY(env.readFile(u"QVN.ini"_s).contains("[Location]"));
    }

    // The flight goes on over the hole on the screen; its stroke is the first
    // of hole 1 of the new round.
    void restartDuringAFlightCountsAsHoleOne() {
        testing::TestEnvironment env;
        game::Game game(testing::StandardSettings(), testing::ShortHole());
        testing::StartOnHole(game, 4);
        game.Round().holeStrokes[2] = 6;
        game.Round().strokeCount = 3;
        game.Round().hazards.penalties = 2;
        const std::int32_t cupX = game.Round().cupX;
        testing::BarPlayer player({{20, 12}});
        game.Ball().ShowInPlace();
        struct FirstMove : QObject {
            game::Game* game;
            bool requested = false;
            bool eventFilter(QObject*, QEvent* event) override {
                if (event->type() == QEvent::Move && !requested &&
                    game->Round().phase == game::TurnPhase::InPlay) {
                    requested = true;
                    game->Request(Command::Restart);
                }
                return false;
            }
        } firstMove;
        firstMove.game = &game;
        game.Ball().installEventFilter(&firstMove);
        game.NextTurn();
        const bool requested = firstMove.requested;
        QVERIFY(requested);
        QCOMPARE(game.Round().currentHole, 1);
        QCOMPARE(game.Round().holeStrokes[2], 0);
        QCOMPARE(game.Round().strokeCount, 1);
        QCOMPARE(game.Round().hazards, game::HazardCounts{});
        QCOMPARE(game.Round().cupX, cupX);
        QVERIFY(game.Menu().Menu().actions()[9]->menu()->actions()[0]->isChecked());
    }

    void scoreFromTheMenuClosesAndWritesNothing() {
        testing::TestEnvironment env;
        game::Game game(testing::StandardSettings(), QString());
        testing::StartOnHole(game, 2);
        game.Round().holeStrokes[1] = 4;
        QString closeCaption;
        bool copyEnabled = true;
        OnceTheBarOpens(this, [&] { game.Request(Command::ShowScore); });
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            auto* window = ActiveModal<scorecard::ScoreWindow>();
            if (!window) return;
            closeCaption = window->CloseButton()->text();
            copyEnabled = window->CopyButton()->isEnabled();
            window->CloseButton()->click();
            game.Request(Command::Exit);
        });
        closer.start(1);
        QVERIFY_THROWS_EXCEPTION(testing::ProgramEnded, game.NextTurn());
        QCOMPARE(closeCaption, u"閉じる"_s);
        QVERIFY(!copyEnabled);
        QVERIFY(!QFile::exists(env.filePath(u"QVN.ini"_s)));
    }

    // The window waits over the frozen round like the score card: the
    // gauges stand still until it closes.
    void statisticsFromTheMenuShowTheKeptRounds() {
        testing::TestEnvironment env;
        game::Game game(testing::StandardSettings(), testing::ShortHole());
        history::RoundRecord kept;
        kept.holes.fill({4, 5, 0, 0, 0});
        game.History().Keep(kept, platform::Focus::Take);
        testing::StartOnHole(game, 1);
        testing::BarPlayer watchdog({});
        QTimer::singleShot(0, testing::PressSpace);
        QString best;
        QList<float> powers;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            auto* window = ActiveModal<history::StatsWindow>();
            const float power = testing::OpenBar() ? testing::OpenBar()->PowerShown() : 0;
            if (!window && power > 3 && best.isEmpty()) game.Request(Command::ShowStatistics);
            if (!window || (powers << power).size() < 5) return;
            best = window->Figure(u"best"_s);
            window->CloseButton()->click();
            game.Request(Command::Exit);
        });
        closer.start(2);
        QVERIFY_THROWS_EXCEPTION(testing::ProgramEnded, game.NextTurn());
        QCOMPARE(best, u"+18"_s);
        QCOMPARE(powers, QList<float>(5, powers.first()));
    }

    // Between two gauge steps, at once, writing nothing.
    void exitEndsTheGameWhileTheGaugesRun() {
        testing::TestEnvironment env;
        env.writeFile(u"QVN.ini"_s, "[Setting]\r\nCourse=@\r\n");
        game::Game game(testing::StandardSettings(), testing::ShortHole());
        testing::StartOnHole(game, 1);
        testing::BarPlayer watchdog({});
        QTimer::singleShot(0, testing::PressSpace);
        QTimer poller;
        connect(&poller, &QTimer::timeout, [&] {
            const controlbar::ControlBar* bar = testing::OpenBar();
            if (bar && bar->PowerShown() > 3) game.Request(Command::Exit);
        });
        poller.start(1);
        QVERIFY_THROWS_EXCEPTION(testing::ProgramEnded, game.NextTurn());
        QCOMPARE(env.readFile(u"QVN.ini"_s), QByteArray("[Setting]\r\nCourse=@\r\n"));
    }
};

QTEST_MAIN(MenuTest)
#include "menu_test.moc"
