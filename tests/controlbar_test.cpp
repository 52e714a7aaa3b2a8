// The control bar as the player sees it: labels, place, gauges, the shot
// button's colours, the presses it reports, and the activity lamp.
#include <QGuiApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include "controlbar/ControlBar.h"
#include "controlbar/ShotButton.h"
#include "platform/Boxes.h"
#include "platform/Fonts.h"
#include "platform/TextFit.h"
#include "tests/support/TestEnvironment.h"

using controlbar::BarContent;
using controlbar::ControlBar;
using namespace Qt::StringLiterals;

namespace {

BarContent Content(int widthTwips = 2720, bool alwaysTop = false) {
    return {u"@07 (3) : "_s, u"004"_s, u"<<<"_s, widthTwips, alwaysTop};
}

QString Text(const ControlBar& bar, const char* name) {
    return bar.findChild<QLabel*>(QLatin1String(name))->text();
}

QRgb ButtonColor(const ControlBar& bar) {
    return bar.findChild<controlbar::ShotButton*>()->Color();
}

}  // namespace

class ControlBarTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::InstallFontSubstitutes(); }

    void showsTheStrokeAboveTheBall() {
        testing::TestEnvironment env;
        ControlBar bar(Content());
        QCOMPARE(Text(bar, "holeLabel"), u"@07 (3) : "_s);
        QCOMPARE(Text(bar, "strokeLabel"), u"004"_s);
        QCOMPARE(Text(bar, "windLabel"), u"<<<"_s);
        QCOMPARE(bar.windowTitle(), u"Quorvane @07 (3) : 004"_s);
        for (QLabel* label : bar.findChildren<QLabel*>()) {
            QVERIFY2(platform::TextFits(label), qPrintable(label->objectName()));
        }
        bar.PlaceAbove(18500, 10000, 19200, false);
        // Two bar heights as the window system gave them (15 px) above the
        // ball, its right edge on the screen's.
        QCOMPARE(bar.geometry(), QRect(1280 - 181, qRound((10000 - 2 * 225) / 15.0), 181, 15));
        QCOMPARE(ControlBar(Content(2150)).width(), 143);
    }

    void gaugesAreAsWideAsTheirLevelsInStripes() {
        testing::TestEnvironment env;
        ControlBar bar(Content());
        bar.ShowLevels(10, 10);
        auto* power = bar.findChild<QWidget*>(u"powerGauge"_s);
        auto* loft = bar.findChild<QWidget*>(u"loftGauge"_s);
        QCOMPARE(power->width(), 300 / 15);
        QCOMPARE(loft->width(), 180 / 15);
        const auto stripes = [](QWidget* gauge) {
            const QImage image = gauge->grab().toImage();
            QList<QRgb> rows;
            for (int y = 0; y < 4; ++y) rows << image.pixel(image.width() / 2, y);
            return rows;
        };
        const QRgb white = qRgb(255, 255, 255);
        QCOMPARE(stripes(power),
                 (QList<QRgb>{qRgb(255, 0, 0), white, qRgb(255, 0, 0), qRgb(128, 0, 0)}));
        QCOMPARE(stripes(loft),
                 (QList<QRgb>{qRgb(0, 255, 0), white, qRgb(0, 255, 0), qRgb(0, 128, 0)}));
    }

    // Space and the left button press (red); a held key repeats its press;
    // only a real key-up or any button-up turns the button blue again; other
    // buttons ask for the menu and leave the colour alone.
    void shotButtonPressesAndColours() {
        testing::TestEnvironment env;
        ControlBar bar(Content());
        QWidget* button = bar.findChild<controlbar::ShotButton*>();
        QSignalSpy presses(&bar, &ControlBar::pressed);
        QSignalSpy menus(&bar, &ControlBar::menuRequested);
        QList<QRgb> colors;
        const auto note = [&] { colors << ButtonColor(bar); };
        QTest::keyClick(button, Qt::Key_Escape);
        QTest::keyClick(button, Qt::Key_Return);
        note();
        QTest::keyPress(button, Qt::Key_Space);
        note();
        QKeyEvent repeatUp(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, u" "_s, true);
        QCoreApplication::sendEvent(button, &repeatUp);
        QKeyEvent repeatDown(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, u" "_s, true);
        QCoreApplication::sendEvent(button, &repeatDown);
        note();
        QTest::keyRelease(button, Qt::Key_Space);
        note();
        QTest::keyClick(button, Qt::Key_A);
        QTest::mousePress(button, Qt::LeftButton);
        note();
        QTest::mouseRelease(button, Qt::LeftButton);
        note();
        QTest::mousePress(button, Qt::RightButton, Qt::ShiftModifier);
        note();
        QTest::mouseRelease(button, Qt::RightButton);
        QTest::mousePress(button, Qt::MiddleButton, Qt::ShiftModifier | Qt::ControlModifier);
        const QRgb red = controlbar::kRed, blue = controlbar::kBlue;
        QCOMPARE(colors, (QList<QRgb>{blue, red, red, blue, red, blue, blue}));
        QCOMPARE(presses.count(), 3);
        QCOMPARE(menus.count(), 2);
        QCOMPARE(menus[0][1].toBool(), true);
        QCOMPARE(menus[1][1].toBool(), false);
    }

    // Without a mouse: the Menu key, or Shift+F10, which counts as Shift alone.
    void menuKeysOpenTheGameMenuAtTheButton_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("menus");
        QTest::addColumn<bool>("shiftAlone");
        QTest::newRow("Menu") << int(Qt::Key_Menu) << Qt::KeyboardModifiers() << 1 << false;
        QTest::newRow("Shift+Menu")
            << int(Qt::Key_Menu) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 1 << true;
        QTest::newRow("Shift+F10")
            << int(Qt::Key_F10) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 1 << true;
        QTest::newRow("F10") << int(Qt::Key_F10) << Qt::KeyboardModifiers() << 0 << false;
        QTest::newRow("Ctrl+Shift+F10")
            << int(Qt::Key_F10) << (Qt::ShiftModifier | Qt::ControlModifier) << 0 << false;
    }
    void menuKeysOpenTheGameMenuAtTheButton() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, menus);
        testing::TestEnvironment env;
        ControlBar bar(Content());
        QWidget* button = bar.findChild<controlbar::ShotButton*>();
        QSignalSpy asked(&bar, &ControlBar::menuRequested);
        QSignalSpy presses(&bar, &ControlBar::pressed);
        QTest::keyClick(button, Qt::Key(key), modifiers);
        QCOMPARE(asked.count(), menus);
        QCOMPARE(presses.count(), 0);
        if (!menus) return;
        QCOMPARE(asked[0][0].toPoint(), button->mapToGlobal(button->rect().center()));
        QTEST(asked[0][1].toBool(), "shiftAlone");
    }

    void lampAndStacking() {
        testing::TestEnvironment env;
        emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
        for (const bool alwaysTop : {false, true}) {
            ControlBar bar(Content(2720, alwaysTop));
            auto* lamp = bar.findChild<platform::ColorBox*>(u"activityLamp"_s);
            QCOMPARE(lamp->Color(), controlbar::kRed);
            emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
            QCOMPARE(lamp->Color(), controlbar::kBlack);
            emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
            QCOMPARE(lamp->Color(), controlbar::kRed);
            bar.show();
            QVERIFY(QTest::qWaitForWindowExposed(&bar));
            QTRY_COMPARE(bar.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), alwaysTop);
        }
    }
};

QTEST_MAIN(ControlBarTest)
#include "controlbar_test.moc"
