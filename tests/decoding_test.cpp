// How stored settings turn into the settings state.
#include <QTest>

#include "settings/Decoding.h"
#include "settings/Profile.h"
#include "settings/SettingsState.h"
#include "tests/support/TestEnvironment.h"

using namespace Qt::StringLiterals;

class DecodingTest : public QObject {
    Q_OBJECT
private slots:
    void speedFactorTakesTheRoundedLeadingNumber() {
        QCOMPARE(settings::SpeedFactorFor(u""_s), 1.0f);
        QCOMPARE(settings::SpeedFactorFor(u"0"_s), 1.0f / 6);
        QCOMPARE(settings::SpeedFactorFor(u"5"_s), 1.0f);
        QCOMPARE(settings::SpeedFactorFor(u"10"_s), 6.0f);
        QCOMPARE(settings::SpeedFactorFor(u"abc"_s), 1.0f / 6);
        QCOMPARE(settings::SpeedFactorFor(u"3x"_s), 1.0f / 3);
        QCOMPARE(settings::SpeedFactorFor(u"2.5"_s), 1.0f / 4);   // half to even: 2
        QCOMPARE(settings::SpeedFactorFor(u"3.5"_s), 1.0f / 2);   // half to even: 4
        QCOMPARE(settings::SpeedFactorFor(u"10.5"_s), 6.0f);      // rounds to 10
        QCOMPARE(settings::SpeedFactorFor(u"-0.5"_s), 1.0f / 6);  // rounds to 0
    }

    void speedIndexOutsideTheTableCountsAsMissing() {
        for (const QString& value :
             {u"11"_s, u"-1"_s, u"10.6"_s, u"-0.6"_s, u"99999999999999999999999"_s}) {
            QCOMPARE(settings::SpeedFactorFor(value), 1.0f);
        }
    }

    void flagsAreTrueOnlyForUpperCaseTrue() {
        QCOMPARE(settings::FlagFor(u"TRUE"_s), platform::kTrue);
        QCOMPARE(settings::FlagFor(u"true"_s), platform::kFalse);
        QCOMPARE(settings::FlagFor(u"True"_s), platform::kFalse);
        QCOMPARE(settings::FlagFor(u"FALSE"_s), platform::kFalse);
        QCOMPARE(settings::FlagFor(u""_s), platform::kFalse);
    }

    void ballColoursUse254ForWhiteAndRed() {
        QCOMPARE(settings::BallColorFor(u"白"_s), qRgb(254, 254, 254));
        QCOMPARE(settings::BallColorFor(u"黒"_s), qRgb(0, 0, 0));
        QCOMPARE(settings::BallColorFor(u"赤"_s), qRgb(254, 0, 0));
        QCOMPARE(settings::BallColorFor(u"青"_s), qRgb(254, 254, 254));
        QCOMPARE(settings::BallColorFor(u""_s), qRgb(254, 254, 254));
    }

    void screenWidthIsFullOr1024Pixels() {
        testing::TestEnvironment env;
        QCOMPARE(settings::ScreenWidthFor(u"TRUE"_s), 1024 * 15);
        QCOMPARE(settings::ScreenWidthFor(u"true"_s), 1280 * 15);
        QCOMPARE(settings::ScreenWidthFor(u""_s), 1280 * 15);
    }

    void noSettingsFileGivesTheDefaults() {
        testing::TestEnvironment env;
        settings::state.alwaysTop = platform::kTrue;
        settings::ApplyStoredSettings();
        QCOMPARE(settings::state.alwaysTop, platform::kFalse);
        QCOMPARE(settings::state.ctlLock, platform::kFalse);
        QCOMPARE(settings::state.ballColor, qRgb(254, 254, 254));
        QCOMPARE(settings::state.speedFactor, 1.0f);
        QCOMPARE(settings::state.screenWidth, 1280 * 15);
    }

    void storedSettingsReachTheState() {
        testing::TestEnvironment env;
        env.writeFile(u"QVN.ini"_s,
                      "[Setting]\r\nAlwaysTop=TRUE\r\nCtlLock=TRUE\r\nBColor=\x90\xd4\r\n"
                      "PlusMinus=9\r\nScrnWidth=TRUE\r\n");
        settings::ApplyStoredSettings();
        QCOMPARE(settings::state.alwaysTop, platform::kTrue);
        QCOMPARE(settings::state.ctlLock, platform::kTrue);
        QCOMPARE(settings::state.ballColor, qRgb(254, 0, 0));
        QCOMPARE(settings::state.speedFactor, 5.0f);
        QCOMPARE(settings::state.screenWidth, 1024 * 15);
    }
};

QTEST_MAIN(DecodingTest)
#include "decoding_test.moc"
