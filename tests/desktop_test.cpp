// The pause clock and the about window.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "desktop/AboutWindow.h"
#include "desktop/ClockPlace.h"
#include "desktop/ClockWindow.h"
#include "platform/Clock.h"
#include "platform/Fonts.h"
#include "platform/TextFit.h"
#include "settings/Profile.h"
#include "tests/support/TestEnvironment.h"

using namespace Qt::StringLiterals;

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { platform::InstallFontSubstitutes(); }

    // The standard screen: 19200 x 12000 twips, work area ending at 11400.
    void clockOpensWhereItWasLeftInsideTheScreen_data() {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("top");
        QTest::addColumn<int>("gameWidth");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("first run: bottom right above the panel")
            << QString() << QString() << 19200 << QPoint(19200 - 435, 11400 - 480);
        QTest::newRow("one key missing: the corner")
            << u"300"_s << QString() << 19200 << QPoint(19200 - 435, 11400 - 480);
        QTest::newRow("stored, halves to even")
            << u"300.5"_s << u"401.5"_s << 19200 << QPoint(300, 402);
        QTest::newRow("negative left") << u"-300"_s << u"500"_s << 19200 << QPoint(0, 500);
        QTest::newRow("negative top") << u"300"_s << u"-450"_s << 19200 << QPoint(300, 0);
        QTest::newRow("top below the screen")
            << u"300"_s << u"99999"_s << 19200 << QPoint(300, 12000 - 480);
        QTest::newRow("right of the game's width")
            << u"18000"_s << u"500"_s << 15360 << QPoint(15360 - 435, 500);
        QTest::newRow("not numbers") << u"left"_s << u"top"_s << 19200 << QPoint(0, 0);
        QTest::newRow("beyond any int")
            << u"-99999999999"_s << u"99999999999"_s << 19200 << QPoint(0, 12000 - 480);
    }
    void clockOpensWhereItWasLeftInsideTheScreen() {
        QFETCH(QString, left);
        QFETCH(QString, top);
        QFETCH(int, gameWidth);
        QTEST(desktop::ClockPlace({left, top, gameWidth, 11400, 12000, QSize(435, 480)}), "place");
    }

    void clockShowsTheTimeAndKeepsItsPlace() {
        testing::TestEnvironment env;
        env.writeFile(u"QVN.ini"_s, "; mine\r\n[Location]\r\nLeft=300\r\nTop=450\r\n");
        platform::FixClock(QDateTime(QDate(2026, 1, 2), QTime(7, 5, 59)));
        desktop::ClockWindow clock(19200);
        QCOMPARE(clock.TimeLabel()->text(), u"07:05"_s);
        QCOMPARE(clock.pos(), QPoint(20, 30));
        QCOMPARE(clock.size(), QSize(29, 32));
        QVERIFY(platform::TextFits(clock.TimeLabel()));
        clock.move(40, 60);
        clock.show();
        const QImage picture = clock.grab().toImage();
        QCOMPARE(picture.pixel(2, 30), qRgb(40, 150, 40));   // grass
        QCOMPARE(picture.pixel(14, 28), qRgb(200, 30, 30));  // tee
        QTest::mouseDClick(clock.TimeLabel(), Qt::LeftButton);
        QVERIFY(!clock.isVisible());
        QCOMPARE(env.readFile(u"QVN.ini"_s),
                 QByteArray("; mine\r\n[Location]\r\nLeft=600\r\nTop=900\r\n"));
    }

    void aboutWindowShowsNameAndVersionCentredOnTheGameWidth() {
        testing::TestEnvironment env;
        QCoreApplication::setApplicationVersion(u"1.3.0"_s);
        desktop::AboutWindow about(QPixmap(32, 32), 15360);
        QCOMPARE(about.windowTitle(), u"ﾊﾞｰｼﾞｮﾝ情報"_s);
        QCOMPARE(about.findChild<QLabel*>(u"nameLabel"_s)->text(), u"Quorvane"_s);
        QCOMPARE(about.findChild<QLabel*>(u"versionLabel"_s)->text(), u"Version 1.3.0"_s);
        QCOMPARE(about.size(), QSize(263, 75));
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        // Within the game's 1024 pixels, not the 1280-pixel screen.
        QVERIFY(qAbs(about.frameGeometry().center().x() - 512) <= 1);
        for (QWidget* control : about.findChildren<QWidget*>()) {
            QVERIFY2(platform::TextFits(control), qPrintable(control->objectName()));
        }
        about.findChild<QPushButton*>()->click();
        QVERIFY(!about.isVisible());
    }

    // The Mincho face here has no bold weight; the font engine's faint
    // emboldening alone adds 38 % to the ink, too little to read as bold.
    void aboutWindowTitleIsBold() {
        desktop::AboutWindow about(QPixmap(32, 32), 19200);
        auto* name = about.findChild<QLabel*>(u"nameLabel"_s);
        const auto ink = [name] {
            const QImage picture = name->grab().toImage();
            qint64 sum = 0;
            for (int y = 0; y < picture.height(); ++y) {
                for (int x = 0; x < picture.width(); ++x) sum += 255 - qGray(picture.pixel(x, y));
            }
            return sum;
        };
        const qint64 bold = ink();
        QFont regular = name->font();
        regular.setBold(false);
        name->setFont(regular);
        QVERIFY2(bold * 100 >= ink() * 142, qPrintable(u"%1 against %2"_s.arg(bold).arg(ink())));
    }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
