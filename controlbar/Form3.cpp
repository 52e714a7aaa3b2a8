#include "controlbar/Form3.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include "controlbar/BarPlacement.h"
#include "controlbar/BarTexts.h"
#include "controlbar/PictureBoxes.h"
#include "desktop/ActivationHook.h"
#include "desktop/Stacking.h"
#include "game/Form1.h"
#include "game/RoundState.h"
#include "game/TurnCycle.h"
#include "game/WaitMs.h"
#include "platform/Numeric.h"
#include "platform/Runtime.h"
#include "platform/Windows.h"
#include "settings/SettingsState.h"

namespace controlbar {
namespace {

constexpr int kBorderPx = 1;
constexpr int kStartTimerMs = 10;
constexpr int kCloseDelayMs = 200;
constexpr int kPowerTwipsPerUnit = 30;
constexpr int kLoftTwipsPerUnit = 18;
constexpr int kGaugeLeft = 945;
constexpr int kPowerTop = 30;
constexpr int kLoftTop = 105;
constexpr int kGaugeHeight = 90;

const GaugeBox::Stripes kPowerStripes = {qRgb(255, 0, 0), qRgb(255, 255, 255), qRgb(255, 0, 0),
                                         qRgb(128, 0, 0)};
const GaugeBox::Stripes kLoftStripes = {qRgb(0, 255, 0), qRgb(255, 255, 255), qRgb(0, 255, 0),
                                        qRgb(0, 128, 0)};

platform::FormSlot<Form3>& Slot() {
    static platform::FormSlot<Form3> slot;
    return slot;
}

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

bool StillOpen(const QPointer<Form3>& bar) { return bar && bar->isVisible() && !bar->Closing(); }

}  // namespace

Form3::Form3() {
    setObjectName(QStringLiteral("Form3"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    CreateControls();

    Timer1.setInterval(kStartTimerMs);
    Timer2.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &Form3::RunGaugeLoop);
    connect(&Timer2, &QTimer::timeout, this, [this] {
        closing_ = true;
        done(QDialog::Accepted);
    });

    FillLabels();
    SizeAndPlace();
    new desktop::ActivationHook([this](bool active) { pKB->SetColor(active ? kRed : kBlack); },
                                this);
    pKB->SetColor(kRed);
}

void Form3::CreateControls() {
    client_ = new QWidget(this);
    client_->installEventFilter(this);
    pKB = new ColorBox(QStringLiteral("pKB"), kRed, client_);
    platform::PlaceControl(pKB, 0, 0, 50, 195);
    Label4 = NewLabel(QStringLiteral("Label4"), QStringLiteral("#01 (0) : "), client_);
    platform::PlaceControl(Label4, 75, 30, 585, 150);
    Label3 = NewLabel(QStringLiteral("Label3"), QStringLiteral("000"), client_);
    platform::PlaceControl(Label3, 660, 30, 330, 150);
    // The gauges change width at every step; an opaque area of their own keeps
    // those repaints from repainting, and raising, the whole bar.
    gaugeArea_ = new QWidget(client_);
    gaugeArea_->setAutoFillBackground(true);
    platform::PlaceControl(gaugeArea_, kGaugeLeft, kPowerTop, 930,
                           kLoftTop + kGaugeHeight - kPowerTop);
    Picture2 = new GaugeBox(QStringLiteral("Picture2"), kPowerStripes, gaugeArea_);
    platform::PlaceControl(Picture2, 0, 0, 930, kGaugeHeight);
    Picture3 = new GaugeBox(QStringLiteral("Picture3"), kLoftStripes, gaugeArea_);
    platform::PlaceControl(Picture3, 0, kLoftTop - kPowerTop, 930, kGaugeHeight);
    Picture1 = new ShotButton(client_);
    platform::PlaceControl(Picture1, 1890, 0, 225, 300);
    Label1 = NewLabel(QStringLiteral("Label1"), QStringLiteral(">>>>>"), client_);
    platform::PlaceControl(Label1, 2190, 30, 510, 165);
    setFocusProxy(Picture1);

    connect(Picture1, &ShotButton::spaceDown, this, &Form3::Press);
    connect(Picture1, &ShotButton::mouseDown, this, &Form3::OnMouseDown);
}

void Form3::FillLabels() {
    const game::RoundState& round = game::state;
    Label3->setText(StrokeText(round.strokeCount));
    Label4->setText(
        HoleText(settings::state.courseSet, round.currentHole, round.holePar[round.currentHole]));
    // The bar has no frame to show a title; window lists and screen readers get
    // the hole and the stroke from it.
    setWindowTitle(QStringLiteral("Quorvane control bar: ") + Label4->text() + Label3->text());
}

void Form3::SizeAndPlace() {
    setFixedSize(
        platform::ControlRect(0, 0, BarWidthTwips(settings::state.courseSet), kBarHeightTwips)
            .size());
    client_->setGeometry(rect().adjusted(kBorderPx, kBorderPx, -kBorderPx, -kBorderPx));
    Label1->setText(WindText(game::state.windDirection, game::state.windStrength));

    // The size the window system gave the bar, so the clamp meets the edge exactly.
    const QSizeF size = platform::OuterSizeTwips(this);
    const game::Form1& ball = game::Ball();
    const QPoint at = BarPosition({ball.Left(), ball.Top(), size.width(), size.height(),
                                   settings::state.screenWidth, settings::state.ctlLock != 0});
    platform::MoveWindowTwips(this, at.x(), at.y());
}

// A press: the first arms the start timer, the next fix power, then loft.
void Form3::Press() {
    Picture1->SetColor(kRed);
    if (!gauges_.gaugeRunning && !Timer1.isActive()) {
        Timer1.start();
        return;
    }
    if (!gauges_.powerFixed) {
        gauges_.powerFixed = platform::kTrue;
    } else if (!gauges_.loftFixed) {
        gauges_.loftFixed = platform::kTrue;
    }
}

void Form3::OnMouseDown(Qt::MouseButton button) {
    if (button == Qt::LeftButton) {
        Press();
    } else if (game::state.holeChosenFromMenu) {
        RestartHole();
    }
    game::state.holeChosenFromMenu = platform::kFalse;
}

// Closing first lets a running gauge loop see that the bar is gone; the
// turn cycle then opens a fresh bar for the restarted hole.
void Form3::RestartHole() {
    closing_ = true;
    Timer1.stop();
    Timer2.stop();
    done(QDialog::Rejected);
    game::ResetHole();
    game::NextTurn();
}

void Form3::RunGaugeLoop() {
    Timer1.stop();
    gauges_.gaugeRunning = platform::kTrue;
    settings::state.gaugeStop = platform::kFalse;
    const QPointer<Form3> self(this);
    while (!settings::state.gaugeStop) {
        if (!GaugeStep(self)) return;
        game::WaitMs(settings::state.speedFactor * 10);
        if (!StillOpen(self)) return;
    }
}

// False when the bar was closed while events ran; nothing of it is touched then.
bool Form3::GaugeStep(const QPointer<Form3>& self) {
    platform::DoEvents();
    if (!StillOpen(self)) return false;
    if (gauges_.powerFixed && gauges_.loftFixed) {
        FixShot();
        return true;
    }
    const float speed = settings::state.speedFactor;
    if (!gauges_.powerFixed) {
        MoveGauge(gauges_.powerLevel, gauges_.powerDir, speed, kMaxPower);
        ShowLevel(Picture2, gauges_.powerLevel, kPowerTwipsPerUnit, kPowerTop);
    }
    if (gauges_.loftFixed) return true;
    MoveGauge(gauges_.loftLevel, gauges_.loftDir, speed, kMaxLoft);
    ShowLevel(Picture3, gauges_.loftLevel, kLoftTwipsPerUnit, kLoftTop);
    return true;
}

void Form3::FixShot() {
    const ShotValues shot = FixedShot(gauges_, game::state.inBunker != 0);
    game::state.shotPower = shot.power;
    game::state.shotLoft = shot.loft;
    Timer2.start(kCloseDelayMs);
    settings::state.gaugeStop = platform::kTrue;
}

void Form3::ShowLevel(QWidget* gauge, float level, int twipsPerUnit, int top) {
    platform::PlaceControl(gauge, 0, top - kPowerTop, platform::Round(double(level) * twipsPerUnit),
                           kGaugeHeight);
}

// Enter and Escape must neither click anything nor close the bar.
void Form3::keyPressEvent(QKeyEvent* event) { event->accept(); }

void Form3::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    activateWindow();
    Picture1->setFocus(Qt::ActiveWindowFocusReason);
}

void Form3::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    KeepOnTop();
}

bool Form3::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Paint) KeepOnTop();
    return QDialog::eventFilter(watched, event);
}

// Raising from inside a paint would repaint and raise again; the raise waits
// until the paint is over, and repaints meanwhile share it.
void Form3::KeepOnTop() {
    if (raisePending_) return;
    raisePending_ = true;
    QTimer::singleShot(0, this, [this] {
        raisePending_ = false;
        // Raising shows the window: a bar that is closing must stay closed.
        if (isVisible() && !closing_) desktop::SetTopmost(this);
    });
}

bool ShowBar() {
    const int result = Slot().Get().exec();
    Slot().Unload();
    return result == QDialog::Accepted;
}

Form3* LoadedBar() { return Slot().Loaded(); }
void UnloadBar() { Slot().Unload(); }

}  // namespace controlbar
