#include "scorecard/Form6.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/Numeric.h"
#include "platform/Program.h"
#include "platform/Runtime.h"
#include "platform/Screen.h"
#include "platform/Windows.h"
#include "scorecard/ScoreCard.h"
#include "settings/SettingsState.h"

namespace scorecard {
namespace {

const QString kTitle = QStringLiteral("Quorvane");
const QString kEndCaption = QStringLiteral("終了");
const QString kCloseCaption = QStringLiteral("閉じる");
constexpr int kOuterWidth = 2805;  // twips, frame included
constexpr int kOuterHeight = 8175;

platform::FormSlot<Form6>& Slot() {
    static platform::FormSlot<Form6> slot;
    return slot;
}

// The card's columns line up only when every ASCII character has one width.
// The gothic face keeps digits legible at this size, where the mincho one
// draws 8 like 3.
QFont CardFont() {
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPointSizeF(8.25);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

QFont ButtonFont() {
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPointSizeF(8.25);
    return font;
}

QPushButton* MakeButton(QWidget* parent, const QString& caption, int left) {
    auto* button = new QPushButton(caption, parent);
    button->setFont(ButtonFont());
    platform::PlaceControl(button, left, 7440, 870, 330);
    return button;
}

std::int16_t ShiftState(Qt::KeyboardModifiers modifiers) {
    std::int16_t state = 0;
    if (modifiers & Qt::ShiftModifier) state |= 1;
    if (modifiers & Qt::ControlModifier) state |= 2;
    if (modifiers & Qt::AltModifier) state |= 4;
    return state;
}

// Centred on the width the game uses, which may be narrower than the screen.
void Centre(Form6& form) {
    const int gameWidth = settings::state.screenWidth > 0 ? settings::state.screenWidth
                                                          : platform::ScreenWidthTwips();
    platform::MoveWindowTwips(
        &form, platform::Round((gameWidth - kOuterWidth) / 2.0),
        platform::Round((platform::ScreenHeightTwips() - kOuterHeight) / 2.0));
}

}  // namespace

Form6::Form6()
    : Command1(MakeButton(this, kEndCaption, 360)),
      Command2(MakeButton(this, QStringLiteral("コピー"), 1275)) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(kTitle);
    setFont(CardFont());
    // The frame differs between window managers; the client area is the one
    // the buttons were laid out in.
    platform::SetClientSizeTwips(this, 2685, 7770);
    setTabOrder(Command1, Command2);
    Command2->installEventFilter(this);
    connect(Command1, &QPushButton::clicked, this, &QDialog::close);
    connect(Command2, &QPushButton::clicked, this, &Form6::Command2Click);
}

void Form6::SetCardText(const QString& text) {
    cardLines_ = text.split(QStringLiteral("\r\n"));
    update();
}

// One line per em, the pitch the window's height was designed for: the
// font's own line height would push the last lines under the buttons.
void Form6::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    const int pitch = QFontInfo(font()).pixelSize();
    qreal baseline = QFontMetricsF(font()).ascent();
    for (const QString& line : cardLines_) {
        painter.drawText(QPointF(0, baseline), line);
        baseline += pitch;
    }
}

bool Form6::eventFilter(QObject* watched, QEvent* event) {
    const bool mouseDown =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (watched == Command2 && mouseDown && Command2->isEnabled()) {
        copyShiftState_ = ShiftState(static_cast<QMouseEvent*>(event)->modifiers());
    }
    return QDialog::eventFilter(watched, event);
}

void Form6::Command2Click() {
    if (copyShiftState_ == 1) {
        CopyScoreColumn();
    } else {
        ScoreCard(true);
    }
}

Form6& ScoreWindow() { return Slot().Get(); }
Form6* LoadedScoreWindow() { return Slot().Loaded(); }

void ShowScoreWindow(const QString& text) {
    Form6& form = ScoreWindow();
    form.SetCardText(text);
    // Already open further up the call chain: that caller unloads it.
    if (form.isVisible()) return;
    Centre(form);
    form.exec();
    Slot().Unload();
}

void CopyText(const QString& text) {
    platform::ClipboardSetText(text);
    platform::MsgBox(QStringLiteral("スコアをクリップボードにコピーしました！"), kTitle);
}

void PrepareForMenu() {
    Form6& form = ScoreWindow();
    form.Command1->setText(kCloseCaption);
    form.Command2->setEnabled(false);
}

void RestoreAfterMenu() {
    Form6* form = LoadedScoreWindow();
    if (!form) return;
    form->Command1->setText(kEndCaption);
    form->Command2->setEnabled(true);
}

}  // namespace scorecard
