// How stored settings turn into the game's settings.
#include <QTest>

#include "settings/Settings.h"
#include "tests/support/TestEnvironment.h"

using namespace Qt::StringLiterals;

class DecodingTest : public QObject {
    Q_OBJECT
private slots:
    // The leading number rounded half to even indexes the table; outside 0..10
    // counts as missing.
    void speedFactorTakesTheRoundedLeadingNumber() {
        for (const QString& missing : {u""_s, u"5"_s, u"11"_s, u"-1"_s, u"10.6"_s, u"-0.6"_s,
                                       u"99999999999999999999999"_s}) {
            QCOMPARE(settings::SpeedFactorFor(missing), 1.0f);
        }
        for (const QString& zero : {u"0"_s, u"abc"_s, u"-0.5"_s}) {
            QCOMPARE(settings::SpeedFactorFor(zero), 1.0f / 6);
        }
        QCOMPARE(settings::SpeedFactorFor(u"3x"_s), 1.0f / 3);
        QCOMPARE(settings::SpeedFactorFor(u"2.5"_s), 1.0f / 4);
        QCOMPARE(settings::SpeedFactorFor(u"3.5"_s), 1.0f / 2);
        QCOMPARE(settings::SpeedFactorFor(u"10"_s), 6.0f);
        QCOMPARE(settings::SpeedFactorFor(u"10.5"_s), 6.0f);
    }

    void flagsColoursAndWidthDecode() {
        testing::TestEnvironment env;
        for (const QString& value : {u"true"_s, u"True"_s, u"FALSE"_s, u""_s}) {
            QVERIFY(!settings::FlagFor(value));
            QCOMPARE(settings::ScreenWidthFor(value), 1280 * 15);
        }
        QVERIFY(settings::FlagFor(u"TRUE"_s));
        QCOMPARE(settings::ScreenWidthFor(u"TRUE"_s), 1024 * 15);
        QCOMPARE(settings::BallColorFor(u"白"_s), qRgb(254, 254, 254));
        QCOMPARE(settings::BallColorFor(u"黒"_s), qRgb(0, 0, 0));
        QCOMPARE(settings::BallColorFor(u"赤"_s), qRgb(254, 0, 0));
        QCOMPARE(settings::BallColorFor(u"青"_s), qRgb(254, 254, 254));
        QCOMPARE(settings::BallColorFor(u""_s), qRgb(254, 254, 254));
    }

    void noSettingsFileGivesTheDefaults() {
        testing::TestEnvironment env;
        const settings::Settings stored = settings::StoredSettings();
        QCOMPARE(stored.courseSet, 0);
        QVERIFY(!stored.alwaysTop);
        QVERIFY(!stored.ctlLock);
        QCOMPARE(stored.ballColor, qRgb(254, 254, 254));
        QCOMPARE(stored.speedFactor, 1.0f);
        QCOMPARE(stored.screenWidth, 1280 * 15);
    }
};

QTEST_GUILESS_MAIN(DecodingTest)
#include "decoding_test.moc"
