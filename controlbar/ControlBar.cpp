#include "controlbar/ControlBar.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>

#include "controlbar/BarPlacement.h"
#include "controlbar/ShotButton.h"
#include "desktop/ActivationHook.h"
#include "desktop/Stacking.h"
#include "platform/Boxes.h"
#include "platform/Numeric.h"
#include "platform/QuietWindow.h"
#include "platform/TextFit.h"
#include "platform/Twips.h"
#include "platform/WindowFlags.h"
#include "settings/GaugeBars.h"

namespace controlbar {
namespace {

constexpr int kBorderPx = 1;
constexpr int kGaugeLeft = 945;
constexpr int kGaugeWidth = 930;
constexpr int kPowerTop = 30;
constexpr int kLoftTop = 105;
constexpr int kGaugeHeight = 90;

QLabel* NewLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPointSizeF(8.25);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMargin(0);
    return label;
}

// Both gauges sit in one area: its top is the power gauge's.
void ShowLevel(QWidget* gauge, int widthTwips, int top) {
    platform::PlaceControl(gauge, 0, top - kPowerTop, widthTwips, kGaugeHeight);
}

}  // namespace

ControlBar::ControlBar(const BarContent& content) : alwaysTop_(content.alwaysTop) {
    setObjectName(QStringLiteral("controlBar"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    CreateControls(content);
    setFixedSize(platform::ControlRect(0, 0, content.widthTwips, kBarHeightTwips).size());
    client_->setGeometry(rect().adjusted(kBorderPx, kBorderPx, -kBorderPx, -kBorderPx));
    // The bar has no frame to show a title; the taskbar, window lists and
    // screen readers get the hole and the stroke from it.
    setWindowTitle(QStringLiteral("Quorvane ") + content.holeText + content.strokeText);
    platform::ShrinkTextsToFit(this);
    new desktop::ActivationHook(
        [this](bool active) { activityLamp_->SetColor(active ? kRed : kBlack); }, this);
}

void ControlBar::CreateControls(const BarContent& content) {
    client_ = new QWidget(this);
    client_->installEventFilter(this);
    activityLamp_ = new platform::ColorBox(QStringLiteral("activityLamp"), kRed, client_);
    platform::PlaceControl(activityLamp_, 0, 0, 50, 195);
    holeLabel_ = NewLabel(QStringLiteral("holeLabel"), content.holeText, client_);
    platform::PlaceControl(holeLabel_, 75, 30, 585, 150);
    strokeLabel_ = NewLabel(QStringLiteral("strokeLabel"), content.strokeText, client_);
    platform::PlaceControl(strokeLabel_, 660, 30, 330, 150);
    // The gauges change width at every step; an opaque area of their own keeps
    // those repaints from repainting, and raising, the whole bar.
    auto* gaugeArea = new QWidget(client_);
    gaugeArea->setAutoFillBackground(true);
    platform::PlaceControl(gaugeArea, kGaugeLeft, kPowerTop, kGaugeWidth,
                           kLoftTop + kGaugeHeight - kPowerTop);
    powerGauge_ =
        new platform::StripedBox(QStringLiteral("powerGauge"), settings::kPowerStripes, gaugeArea);
    platform::PlaceControl(powerGauge_, 0, 0, kGaugeWidth, kGaugeHeight);
    loftGauge_ =
        new platform::StripedBox(QStringLiteral("loftGauge"), settings::kLoftStripes, gaugeArea);
    platform::PlaceControl(loftGauge_, 0, kLoftTop - kPowerTop, kGaugeWidth, kGaugeHeight);
    shotButton_ = new ShotButton(client_);
    shotButton_->installEventFilter(this);
    platform::PlaceControl(shotButton_, 1890, 0, 225, 300);
    windLabel_ = NewLabel(QStringLiteral("windLabel"), content.windText, client_);
    platform::PlaceControl(windLabel_, 2190, 30, 510, 165);
    setFocusProxy(shotButton_);

    connect(shotButton_, &ShotButton::pressed, this, &ControlBar::pressed);
    connect(shotButton_, &ShotButton::menuRequested, this, &ControlBar::menuRequested);
}

void ControlBar::PlaceAbove(double ballLeft, double ballTop, int screenWidth, bool ctlLock) {
    // The size the window system gave the bar, so the clamp meets the edge exactly.
    const QSizeF size = platform::OuterSizeTwips(this);
    const QPoint at =
        BarPosition({ballLeft, ballTop, size.width(), size.height(), screenWidth, ctlLock});
    platform::MoveWindowTwips(this, at.x(), at.y());
}

void ControlBar::ShowLevels(float power, float loft) {
    powerShown_ = power;
    loftShown_ = loft;
    ShowLevel(powerGauge_, settings::PowerWidthTwips(power), kPowerTop);
    ShowLevel(loftGauge_, settings::LoftWidthTwips(loft), kLoftTop);
}

// Some window managers (icewm, fluxbox) give the keyboard to any new window:
// a bar that waits does not accept it until the player turns to it.
void ControlBar::Open(bool takeFocus) {
    setAttribute(Qt::WA_ShowWithoutActivating, !takeFocus);
    setWindowFlag(Qt::WindowDoesNotAcceptFocus, !takeFocus);
    if (!takeFocus) platform::WaitQuietly(*this);
    activityLamp_->SetColor(takeFocus ? kRed : kBlack);
    show();
    shotButton_->setFocus(Qt::OtherFocusReason);
    if (takeFocus) activateWindow();
}

void ControlBar::Activate() {
    const bool waited = windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus);
    platform::SetWindowFlagQuietly(*this, Qt::WindowDoesNotAcceptFocus, false);
    raise();
    activateWindow();
    if (waited) platform::TakeKeyboard(*this);
}

// Only the game closes the bar: the window system's close would leave a
// stroke half made.
void ControlBar::closeEvent(QCloseEvent* event) {
    if (event->spontaneous()) event->ignore();
}

// Clicked while another program was active, the bar lights its lamp as it
// takes the keyboard, whether or not the toolkit noticed the game was left.
void ControlBar::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        activityLamp_->SetColor(kRed);
    }
}

void ControlBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    KeepOnTop();
}

bool ControlBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Paint) KeepOnTop();
    if (event->type() == QEvent::MouseButtonPress && !isActiveWindow()) Activate();
    return QWidget::eventFilter(watched, event);
}

// Raising from inside a paint would repaint and raise again; the raise waits
// until the paint is over, and repaints meanwhile share it. A bar that has
// been hidden stays hidden: raising would show it again.
void ControlBar::KeepOnTop() {
    if (raisePending_) return;
    raisePending_ = true;
    QTimer::singleShot(0, this, [this] {
        raisePending_ = false;
        if (isVisible()) desktop::SetTopmost(this, alwaysTop_);
    });
}

}  // namespace controlbar
