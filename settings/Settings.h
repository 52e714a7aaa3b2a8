#pragma once
// What the stored settings turn into, and how each stored value is read.

#include <QRgb>
#include <QString>
#include <array>
#include <cstdint>

namespace settings {

struct Settings {
    int courseSet = 0;  // 0 beginner, 1 full, 2 custom
    bool alwaysTop = false;
    bool ctlLock = false;  // the control bar stays centred on the screen
    QRgb ballColor = qRgb(254, 254, 254);
    float speedFactor = 1.0f;      // gauge speed
    bool fixedWidth = false;       // the game uses 1024 pixels, whatever the screen
    std::int32_t screenWidth = 0;  // twips of the width the game uses
};

// Gauge speed factors, indexed by the stored "PlusMinus" value 0 to 10.
extern const std::array<float, 11> kSpeedTable;
inline constexpr int kDefaultSpeedIndex = 5;  // factor 1

// The index a stored "PlusMinus" value selects: its leading number rounded
// half to even; the default for an empty value or one outside the table.
int SpeedIndexFor(const QString& plusMinus);
float SpeedFactorFor(const QString& plusMinus);
// Only "TRUE" is true.
bool FlagFor(const QString& value);
// The three ball colours by their stored names "白", "黒", "赤"; white and red
// use 254, never 255.
extern const std::array<QString, 3> kBallColorNames;
QRgb BallColorFor(const QString& colorName);
// Position of the name in kBallColorNames; white (0) for anything else.
int BallColorIndexFor(const QString& colorName);
// "TRUE": 1024 pixels' worth of twips; otherwise the whole screen width.
std::int32_t ScreenWidthFor(const QString& scrnWidth);
// The course set a stored "Course" code selects: "@" full, "*" custom (when
// USER.TXT is there), anything else beginner.
int CourseSetFor(const QString& code);

// Reads the settings from section "Setting" of QVN.ini.
Settings StoredSettings();

}  // namespace settings
