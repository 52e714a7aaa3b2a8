// The score window: the card drawn so its columns line up, the buttons, and
// copying in the format the Shift key picks.
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "game/RoundState.h"
#include "platform/Fonts.h"
#include "platform/Program.h"
#include "platform/Runtime.h"
#include "scorecard/CardText.h"
#include "scorecard/Form6.h"
#include "scorecard/HiScore.h"
#include "scorecard/ScoreCard.h"
#include "settings/Profile.h"
#include "settings/SettingsState.h"
#include "tests/support/SampleRound.h"
#include "tests/support/TestEnvironment.h"

using scorecard::Form6;

namespace {

const QString kCopied = QStringLiteral("Quorvane|スコアをクリップボードにコピーしました！");
const QDateTime kEndOfRound(QDate(2007, 7, 16), QTime(22, 10, 5));
const QString kStored = QStringLiteral("2007/07/15 21:04:33 > +9");

// The sample round just finished, a worse high score stored.
void FinishBeginnerRound() {
    game::state = testing::FinishedBeginnerRound();
    settings::state.courseSet = 0;
    settings::state.screenWidth = 15360;  // the fixed 1024-pixel width
    settings::WriteSetting(QStringLiteral("Data"), QStringLiteral("HISCORE"), kStored);
}

// Shows the score window and runs the checks once it is open, then closes it
// with its close button, so a failed check never leaves the test waiting.
void ShowWith(std::function<void(Form6&)> checks) {
    QTimer::singleShot(0, [checks] {
        Form6* form = scorecard::LoadedScoreWindow();
        QVERIFY(form && form->isVisible());
        const auto close = qScopeGuard([form] { form->Command1->click(); });
        checks(*form);
    });
    scorecard::ScoreCard(false);
}

// Rows of the image with anything but the background colour left of maxX.
QList<int> InkedRows(const QImage& image, int maxX) {
    const QRgb background = image.pixel(image.width() - 1, 0);
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < maxX; ++x) {
            if (image.pixel(x, y) != background) {
                rows.append(y);
                break;
            }
        }
    }
    return rows;
}

QString ClipboardText() { return QGuiApplication::clipboard()->text(); }

// A click or key on the button; what the clipboard then holds.
QString ClickWith(QWidget* button, Qt::KeyboardModifiers modifiers) {
    QTest::mousePress(button, Qt::LeftButton, modifiers);
    QTest::mouseRelease(button, Qt::LeftButton, modifiers);
    return ClipboardText();
}
QString KeyOn(QWidget* button, Qt::Key key) {
    QTest::keyClick(button, key);
    return ClipboardText();
}

}  // namespace

class ScoreWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::InstallFontSubstitutes(); }

    void cardFontGivesEveryAsciiCharacterOneWidth() {
        testing::TestEnvironment env;
        Form6 form;
        const QFontMetricsF metrics(form.font());
        const qreal pitch = metrics.horizontalAdvance(QLatin1Char('|'));
        QVERIFY(pitch > 0);
        for (const QChar c : QStringLiteral("+-= .0123456789NoParScoreHI")) {
            QCOMPARE(metrics.horizontalAdvance(c), pitch);
        }
        FinishBeginnerRound();
        const QStringList lines =
            scorecard::CardText(game::state, 0, QString()).split(QStringLiteral("\r\n"));
        for (qsizetype row = 0; row < 41; ++row) {
            QCOMPARE(metrics.horizontalAdvance(lines[row]), 30 * pitch);
        }
    }

    void endOfRoundCardIsShownModallyCentredAndClosedByItsButton() {
        testing::TestEnvironment env;
        platform::FixClock(kEndOfRound);
        FinishBeginnerRound();
        QImage shot;
        QPoint position;
        bool modal = false;
        ShowWith([&](Form6& form) {
            modal = QApplication::activeModalWidget() == &form;
            position = form.pos();
            shot = form.grab().toImage();
        });
        QVERIFY(modal);
        QCOMPARE(scorecard::LoadedScoreWindow(), nullptr);
        // (15360 - 2805) / 2 and (12000 - 8175) / 2 twips.
        QCOMPARE(position, QPoint(419, 127));
        QCOMPARE(scorecard::StoredHiScore(0), QStringLiteral("2007/07/16 22:10:05 > +7"));
        // Painted from the top-left corner, the whole card above the buttons.
        const QList<int> rows = InkedRows(shot, 170);
        QVERIFY(!rows.isEmpty() && rows.first() <= 2 && !InkedRows(shot, 2).isEmpty());
        const int lastCardRow = *std::prev(std::lower_bound(rows.begin(), rows.end(), 496));
        QVERIFY(lastCardRow > 460 && lastCardRow < 494);
    }

    void aCommandLineRoundLeavesTheHighScoresAlone() {
        testing::TestEnvironment env;
        platform::SetCommandLineText(QStringLiteral("2TP"));
        FinishBeginnerRound();
        QString shownEntry;
        ShowWith([&](Form6& form) { shownEntry = form.CardLines().last(); });
        QCOMPARE(shownEntry, QStringLiteral("   ") + kStored);
        QCOMPARE(scorecard::StoredHiScore(0), kStored);
    }

    void copyButtonFollowsTheShiftStateOfTheLastMouseDown() {
        testing::TestEnvironment env;
        platform::FixClock(kEndOfRound);
        FinishBeginnerRound();
        const QString tabText = scorecard::TabSeparatedText(game::state, kEndOfRound);
        const QString columnText = scorecard::ColumnText(game::state, 0, kEndOfRound);
        QStringList copies;
        bool stillOpen = true;
        ShowWith([&](Form6& form) {
            QWidget* copy = form.Command2;
            copies << KeyOn(copy, Qt::Key_Space)  // no mouse-down yet
                   << ClickWith(copy, Qt::ShiftModifier) << KeyOn(copy, Qt::Key_Space)
                   << ClickWith(copy, Qt::ControlModifier)
                   << ClickWith(copy, Qt::ShiftModifier | Qt::ControlModifier);
            QTest::mousePress(copy, Qt::RightButton, Qt::ShiftModifier);
            copies << KeyOn(copy, Qt::Key_Enter);
            platform::FixClock(kEndOfRound.addSecs(61));
            copies << ClickWith(copy, Qt::NoModifier);
            stillOpen = form.isVisible();
        });
        const QString laterTabText =
            scorecard::TabSeparatedText(game::state, kEndOfRound.addSecs(61));
        QCOMPARE(copies, QStringList({tabText, columnText, columnText, tabText, tabText, columnText,
                                      laterTabText}));
        QCOMPARE(env.messages, QStringList(7, kCopied));
        QVERIFY(stillOpen);
    }

    void menuDisplayDisablesCopyingOnlyWhileItIsOpen() {
        testing::TestEnvironment env;
        FinishBeginnerRound();
        game::state.roundOver = platform::kFalse;
        game::state.currentHole = 4;
        QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
        QString closeCaption;
        bool copyEnabled = true;
        scorecard::PrepareForMenu();
        ShowWith([&](Form6& form) {
            closeCaption = form.Command1->text();
            copyEnabled = form.Command2->isEnabled();
            ClickWith(form.Command2, Qt::ShiftModifier);
        });
        scorecard::RestoreAfterMenu();

        QCOMPARE(closeCaption, QStringLiteral("閉じる"));
        QVERIFY(!copyEnabled);
        QCOMPARE(ClipboardText(), QStringLiteral("untouched"));
        QVERIFY(env.messages.isEmpty());
        QCOMPARE(scorecard::StoredHiScore(0), kStored);

        game::state.roundOver = platform::kTrue;
        ShowWith([&](Form6& form) {
            closeCaption = form.Command1->text();
            copyEnabled = form.Command2->isEnabled();
        });
        QCOMPARE(closeCaption, QStringLiteral("終了"));
        QVERIFY(copyEnabled);
    }
};

QTEST_MAIN(ScoreWindowTest)
#include "scorewindow_test.moc"
