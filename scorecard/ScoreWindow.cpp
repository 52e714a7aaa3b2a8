#include "scorecard/ScoreWindow.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "platform/FixedDialog.h"
#include "platform/Numeric.h"
#include "platform/Screen.h"
#include "platform/TextFit.h"
#include "platform/Twips.h"

namespace scorecard {
namespace {

constexpr int kOuterWidth = 2805;  // twips, frame included
constexpr int kOuterHeight = 8175;

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

QPushButton* MakeButton(QWidget* parent, const QString& caption, int left) {
    auto* button = new QPushButton(caption, parent);
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPointSizeF(8.25);
    button->setFont(font);
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

}  // namespace

ScoreWindow::ScoreWindow(const QString& cardText, Opened opened, int gameWidthTwips)
    : cardLines_(cardText.split(QStringLiteral("\r\n"))),
      closeButton_(MakeButton(
          this, opened == Opened::AtRoundEnd ? QStringLiteral("終了") : QStringLiteral("閉じる"),
          360)),
      copyButton_(MakeButton(this, QStringLiteral("コピー"), 1275)) {
    setWindowFlags(platform::kFixedDialogFlags);
    setWindowTitle(QStringLiteral("Quorvane"));
    setFont(CardFont());
    // The frame differs between window managers; the client area is the one
    // the buttons were laid out in.
    platform::SetClientSizeTwips(this, 2685, 7770);
    copyButton_->setEnabled(opened == Opened::AtRoundEnd);
    setTabOrder(closeButton_, copyButton_);
    platform::ShrinkTextsToFit(this);
    copyButton_->installEventFilter(this);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::close);
    connect(copyButton_, &QPushButton::clicked, this,
            [this] { emit copyRequested(copyShiftState_ == 1); });
    platform::MoveWindowTwips(
        this, platform::RoundHalfEven((gameWidthTwips - kOuterWidth) / 2.0),
        platform::RoundHalfEven((platform::ScreenHeightTwips() - kOuterHeight) / 2.0));
}

// One line per em, the pitch the window's height was designed for: the
// font's own line height would push the last lines under the buttons.
void ScoreWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    const int pitch = QFontInfo(font()).pixelSize();
    qreal baseline = QFontMetricsF(font()).ascent();
    for (const QString& line : cardLines_) {
        painter.drawText(QPointF(0, baseline), line);
        baseline += pitch;
    }
}

bool ScoreWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool mouseDown =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (watched == copyButton_ && mouseDown && copyButton_->isEnabled()) {
        copyShiftState_ = ShiftState(static_cast<QMouseEvent*>(event)->modifiers());
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace scorecard
