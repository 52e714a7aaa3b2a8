#include "settings/SettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QShowEvent>

#include "platform/Boxes.h"
#include "platform/EventPump.h"
#include "platform/FixedDialog.h"
#include "platform/Numeric.h"
#include "platform/Screen.h"
#include "platform/TextFit.h"
#include "platform/Twips.h"
#include "settings/GaugeBars.h"
#include "settings/Profile.h"

namespace settings {
namespace {

constexpr int kPreviewDelayMs = 10;
constexpr int kPreviewLeft = 90;
constexpr int kPowerTop = 285;
constexpr int kLoftTop = 360;
const QString kSection = QStringLiteral("Setting");

QString FlagText(bool on) { return on ? QStringLiteral("TRUE") : QStringLiteral("FALSE"); }

}  // namespace

int PreviewWaitMs(int speedIndex) {
    return platform::RoundHalfEven(kSpeedTable[static_cast<std::size_t>(speedIndex)] * 10.0f);
}

SettingsDialog::SettingsDialog(Settings& settings) : settings_(settings) {
    setWindowTitle(QStringLiteral("Quorvane"));
    setWindowFlags(platform::kFixedDialogFlags);
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    platform::SetClientSizeTwips(this, 4455, 1425);
    CreateControls();
    platform::ShrinkTextsToFit(this);
    LoadStored();
    connect(okButton_, &QPushButton::clicked, this, [this] {
        Store();
        accept();
    });
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    previewStart_.setSingleShot(true);
    previewStart_.setInterval(kPreviewDelayMs);
    connect(&previewStart_, &QTimer::timeout, this, &SettingsDialog::RunPreview);
    previewStart_.start();
}

void SettingsDialog::CreateControls() {
    auto* speedFrame = new QGroupBox(QStringLiteral("速度"), this);
    platform::PlaceControl(speedFrame, 45, 90, 1830, 615);
    // The bars change width at every step; an opaque area of their own keeps
    // those repaints from repainting the frame and the dialog around them.
    auto* previewArea = new QWidget(speedFrame);
    previewArea->setAutoFillBackground(true);
    platform::PlaceControl(previewArea, kPreviewLeft, kPowerTop, 930, kLoftTop + 90 - kPowerTop);
    powerBar_ =
        new platform::StripedBox(QStringLiteral("powerPreview"), kPowerStripes, previewArea);
    loftBar_ = new platform::StripedBox(QStringLiteral("loftPreview"), kLoftStripes, previewArea);
    ShowPreview();
    speedList_ = new QComboBox(speedFrame);
    platform::PlaceControl(speedList_, 1125, 210, 645, 300);
    for (int offset = -5; offset <= 5; ++offset) speedList_->addItem(QString::number(offset));

    auto* colorFrame = new QGroupBox(QStringLiteral("玉の色"), this);
    platform::PlaceControl(colorFrame, 1905, 90, 840, 615);
    colorList_ = new QComboBox(colorFrame);
    platform::PlaceControl(colorList_, 105, 225, 645, 300);
    for (const QString& name : kBallColorNames) colorList_->addItem(name);

    barLockBox_ = new QCheckBox(QStringLiteral("操作バー位置固定"), this);
    platform::PlaceControl(barLockBox_, 2790, 225, 1860, 180);
    alwaysTopBox_ = new QCheckBox(QStringLiteral("常に手前に表示"), this);
    platform::PlaceControl(alwaysTopBox_, 2790, 465, 1530, 180);
    fixedWidthBox_ = new QCheckBox(QStringLiteral("画面サイズ(横幅)を1024ドット固定にする"), this);
    platform::PlaceControl(fixedWidthBox_, 45, 750, 3615, 180);

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    platform::PlaceControl(okButton_, 1650, 990, 795, 345);
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    platform::PlaceControl(cancelButton_, 2520, 990, 795, 345);
    cancelButton_->setAutoDefault(false);
}

// Every control from the file, not from the settings in use: an unreadable
// value shows as its default.
void SettingsDialog::LoadStored() {
    const QByteArray file = ReadSettingsFile();
    const auto read = [&file](const char* key) {
        return SettingIn(file, kSection, QString::fromLatin1(key));
    };
    speedList_->setCurrentIndex(SpeedIndexFor(read("PlusMinus")));
    alwaysTopBox_->setChecked(FlagFor(read("AlwaysTop")));
    barLockBox_->setChecked(FlagFor(read("CtlLock")));
    colorList_->setCurrentIndex(BallColorIndexFor(read("BColor")));
    fixedWidthBox_->setChecked(FlagFor(read("ScrnWidth")));
}

// All five keys, changed or not.
void SettingsDialog::Store() {
    const int speedIndex = speedList_->currentIndex();
    const QString colorName = colorList_->currentText();
    settings_.alwaysTop = alwaysTopBox_->isChecked();
    WriteSetting(kSection, QStringLiteral("AlwaysTop"), FlagText(settings_.alwaysTop));
    settings_.ctlLock = barLockBox_->isChecked();
    WriteSetting(kSection, QStringLiteral("CtlLock"), FlagText(settings_.ctlLock));
    WriteSetting(kSection, QStringLiteral("BColor"), colorName);
    settings_.ballColor = BallColorFor(colorName);
    WriteSetting(kSection, QStringLiteral("PlusMinus"), speedIndex);
    settings_.speedFactor = kSpeedTable[static_cast<std::size_t>(speedIndex)];
    settings_.fixedWidth = fixedWidthBox_->isChecked();
    const QString fixedWidth = FlagText(settings_.fixedWidth);
    settings_.screenWidth = ScreenWidthFor(fixedWidth);
    WriteSetting(kSection, QStringLiteral("ScrnWidth"), fixedWidth);
}

void SettingsDialog::done(int result) {
    previewStopped_ = true;
    previewStart_.stop();
    QDialog::done(result);
}

// Runs inside the dialog's own event loop, which cannot return before the
// loop has seen that it is stopped; so no step ever touches a closed dialog.
void SettingsDialog::RunPreview() {
    while (!previewStopped_) {
        StepPreview();
        if (previewStopped_) return;
        platform::PumpEventsThenSleep(PreviewWaitMs(speedList_->currentIndex()));
    }
}

void SettingsDialog::StepPreview() {
    platform::PumpEvents();
    if (previewStopped_) return;
    const float speed = kSpeedTable[static_cast<std::size_t>(speedList_->currentIndex())];
    StepGauge(power_, speed, kMaxPower);
    StepGauge(loft_, speed, kMaxLoft);
    ShowPreview();
}

// Both bars sit in one area: its top is the power bar's.
void SettingsDialog::ShowPreview() {
    platform::PlaceControl(powerBar_, 0, 0, PowerWidthTwips(power_.level), 90);
    platform::PlaceControl(loftBar_, 0, kLoftTop - kPowerTop, LoftWidthTwips(loft_.level), 90);
}

void SettingsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const QSizeF outer = platform::OuterSizeTwips(this);
    const int left = platform::RoundHalfEven(settings_.screenWidth - outer.width()) / 2;
    const int top = platform::RoundHalfEven(platform::ScreenHeightTwips() - outer.height()) / 2;
    platform::MoveWindowTwips(this, left, top);
}

}  // namespace settings
