// The score window: the card drawn so its columns line up, its buttons, and
// copying in the format the Shift key picks.
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "platform/Clock.h"
#include "platform/Fonts.h"
#include "scorecard/CardText.h"
#include "scorecard/ScoreCard.h"
#include "scorecard/ScoreWindow.h"
#include "tests/support/SampleRound.h"
#include "tests/support/TestEnvironment.h"

using scorecard::ScoreWindow;

namespace {

const QString kCopied = QStringLiteral("Quorvane|スコアをクリップボードにコピーしました！");
const QDateTime kEndOfRound(QDate(2007, 7, 16), QTime(22, 10, 5));

// Shows the window as the game does and runs the checks once it is open, then
// closes it with its close button, so a failed check never leaves the test waiting.
void ShowWith(ScoreWindow::Opened opened, const std::function<void(ScoreWindow&)>& checks) {
    const scorecard::RoundScores round = testing::FinishedBeginnerRound();
    ScoreWindow window(scorecard::CardText(round, 0, QString()), opened, 15360);
    QObject::connect(&window, &ScoreWindow::copyRequested,
                     [&](bool oneColumn) { scorecard::CopyScores(round, 0, oneColumn); });
    QTimer::singleShot(0, [&] {
        const auto close = qScopeGuard([&] { window.CloseButton()->click(); });
        QVERIFY(QApplication::activeModalWidget() == &window);
        checks(window);
    });
    window.exec();
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
        ScoreWindow window(QString(), ScoreWindow::Opened::AtRoundEnd, 19200);
        const QFontMetricsF metrics(window.font());
        const qreal pitch = metrics.horizontalAdvance(QLatin1Char('|'));
        QVERIFY(pitch > 0);
        for (const QChar c : QStringLiteral("+-= .0123456789NoParScoreHI")) {
            QCOMPARE(metrics.horizontalAdvance(c), pitch);
        }
        const QStringList lines =
            scorecard::CardText(testing::FinishedBeginnerRound(), 0, QString())
                .split(QStringLiteral("\r\n"));
        for (qsizetype row = 0; row < 41; ++row) {
            QCOMPARE(metrics.horizontalAdvance(lines[row]), 30 * pitch);
        }
    }

    void cardIsDrawnAboveTheButtonsInAWindowCentredOnTheGameWidth() {
        testing::TestEnvironment env;
        QImage shot;
        QPoint position;
        QString closeCaption;
        ShowWith(ScoreWindow::Opened::AtRoundEnd, [&](ScoreWindow& window) {
            position = window.pos();
            shot = window.grab().toImage();
            closeCaption = window.CloseButton()->text();
        });
        // (15360 - 2805) / 2 and (12000 - 8175) / 2 twips.
        QCOMPARE(position, QPoint(419, 127));
        QCOMPARE(closeCaption, QStringLiteral("終了"));
        // Painted from the top-left corner, the whole card above the buttons.
        const QList<int> rows = InkedRows(shot, 170);
        QVERIFY(!rows.isEmpty() && rows.first() <= 2 && !InkedRows(shot, 2).isEmpty());
        const int lastCardRow = *std::prev(std::lower_bound(rows.begin(), rows.end(), 496));
        QVERIFY(lastCardRow > 460 && lastCardRow < 494);
    }

    void copyButtonFollowsTheShiftStateOfTheLastMouseDown() {
        testing::TestEnvironment env;
        platform::FixClock(kEndOfRound);
        const scorecard::RoundScores round = testing::FinishedBeginnerRound();
        const QString tabText = scorecard::TabSeparatedText(round, kEndOfRound);
        const QString columnText = scorecard::ColumnText(round, 0, kEndOfRound);
        QStringList copies;
        bool stillOpen = true;
        ShowWith(ScoreWindow::Opened::AtRoundEnd, [&](ScoreWindow& window) {
            QWidget* copy = window.CopyButton();
            copies << KeyOn(copy, Qt::Key_Space)  // no mouse-down yet
                   << ClickWith(copy, Qt::ShiftModifier) << KeyOn(copy, Qt::Key_Space)
                   << ClickWith(copy, Qt::ControlModifier)
                   << ClickWith(copy, Qt::ShiftModifier | Qt::ControlModifier);
            QTest::mousePress(copy, Qt::RightButton, Qt::ShiftModifier);
            copies << KeyOn(copy, Qt::Key_Enter);
            platform::FixClock(kEndOfRound.addSecs(61));
            copies << ClickWith(copy, Qt::NoModifier);
            stillOpen = window.isVisible();
        });
        const QString laterTabText = scorecard::TabSeparatedText(round, kEndOfRound.addSecs(61));
        QCOMPARE(copies, QStringList({tabText, columnText, columnText, tabText, tabText, columnText,
                                      laterTabText}));
        QCOMPARE(env.messages, QStringList(7, kCopied));
        QVERIFY(stillOpen);
    }

    void openedFromTheMenuItClosesAndCannotCopy() {
        testing::TestEnvironment env;
        QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
        QString closeCaption;
        bool copyEnabled = true;
        ShowWith(ScoreWindow::Opened::FromMenu, [&](ScoreWindow& window) {
            closeCaption = window.CloseButton()->text();
            copyEnabled = window.CopyButton()->isEnabled();
            ClickWith(window.CopyButton(), Qt::ShiftModifier);
        });
        QCOMPARE(closeCaption, QStringLiteral("閉じる"));
        QVERIFY(!copyEnabled);
        QCOMPARE(ClipboardText(), QStringLiteral("untouched"));
        QVERIFY(env.messages.isEmpty());
    }
};

QTEST_MAIN(ScoreWindowTest)
#include "scorewindow_test.moc"
