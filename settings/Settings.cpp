#include "settings/Settings.h"

#include "courses/UserCourseFile.h"
#include "platform/Numeric.h"
#include "platform/Screen.h"
#include "settings/Profile.h"

namespace settings {

const std::array<float, 11> kSpeedTable = {1.0f / 6, 1.0f / 5, 1.0f / 4, 1.0f / 3, 1.0f / 2, 1.0f,
                                           2.0f,     3.0f,     4.0f,     5.0f,     6.0f};

const std::array<QString, 3> kBallColorNames = {QStringLiteral("白"), QStringLiteral("黒"),
                                                QStringLiteral("赤")};

int SpeedIndexFor(const QString& plusMinus) {
    if (plusMinus.isEmpty()) return kDefaultSpeedIndex;
    const double number = platform::LeadingNumber(plusMinus);
    // Exactly the numbers that round to 0..10 (halves go to the even index);
    // checked before rounding, so a huge number cannot overflow the index.
    if (!(number >= -0.5 && number <= 10.5)) return kDefaultSpeedIndex;
    return platform::RoundHalfEven(number);
}

float SpeedFactorFor(const QString& plusMinus) {
    return kSpeedTable[static_cast<std::size_t>(SpeedIndexFor(plusMinus))];
}

bool FlagFor(const QString& value) { return value == QStringLiteral("TRUE"); }

int BallColorIndexFor(const QString& colorName) {
    for (std::size_t i = 0; i < kBallColorNames.size(); ++i) {
        if (colorName == kBallColorNames[i]) return static_cast<int>(i);
    }
    return 0;
}

QRgb BallColorFor(const QString& colorName) {
    constexpr std::array<QRgb, 3> kColors = {qRgb(254, 254, 254), qRgb(0, 0, 0), qRgb(254, 0, 0)};
    return kColors[static_cast<std::size_t>(BallColorIndexFor(colorName))];
}

std::int32_t ScreenWidthFor(const QString& scrnWidth) {
    if (FlagFor(scrnWidth)) return platform::RoundHalfEven(1024 * platform::TwipsPerPixelX());
    return platform::ScreenWidthTwips();
}

int CourseSetFor(const QString& code) {
    if (code == QLatin1String("@")) return 1;
    if (code == QLatin1String("*") && courses::UserCourseFileExists()) return 2;
    return 0;
}

Settings StoredSettings() {
    const QByteArray file = ReadSettingsFile();
    const auto read = [&file](const char* key) {
        return SettingIn(file, QStringLiteral("Setting"), QString::fromLatin1(key));
    };
    Settings stored;
    stored.speedFactor = SpeedFactorFor(read("PlusMinus"));
    stored.alwaysTop = FlagFor(read("AlwaysTop"));
    stored.ctlLock = FlagFor(read("CtlLock"));
    stored.courseSet = CourseSetFor(read("Course"));
    stored.ballColor = BallColorFor(read("BColor"));
    stored.fixedWidth = FlagFor(read("ScrnWidth"));
    stored.screenWidth = ScreenWidthFor(read("ScrnWidth"));
    return stored;
}

}  // namespace settings
