#include "desktop/AboutWindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "platform/BoldLabel.h"
#include "platform/FixedDialog.h"
#include "platform/Screen.h"
#include "platform/TextFit.h"
#include "platform/Twips.h"

namespace desktop {
namespace {

QLabel* NewLabel(QWidget* parent, const QString& text, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QFont Font(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace

AboutWindow::AboutWindow(const QPixmap& icon, int gameWidthTwips)
    : gameWidthTwips_(gameWidthTwips) {
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    setWindowFlags(platform::kFixedDialogFlags);
    setFont(Font(QStringLiteral("ＭＳ Ｐ明朝"), 11.25, true));
    platform::SetClientSizeTwips(this, 3945, 1125);

    auto* picture = new QLabel(this);
    picture->setPixmap(icon);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    platform::PlaceControl(picture, 180, 210, 480, 480);
    auto* name = new platform::BoldLabel(QStringLiteral("Quorvane"), this);
    name->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    name->setObjectName(QStringLiteral("nameLabel"));
    platform::PlaceControl(name, 825, 150, 1995, 285);
    QLabel* version =
        NewLabel(this, QStringLiteral("Version ") + QCoreApplication::applicationVersion(),
                 Font(QStringLiteral("Times New Roman"), 9.75, true));
    version->setObjectName(QStringLiteral("versionLabel"));
    platform::PlaceControl(version, 1515, 525, 1515, 285);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setFont(Font(QStringLiteral("ＭＳ Ｐゴシック"), 9, false));
    ok->setDefault(true);
    platform::PlaceControl(ok, 3075, 120, 795, 345);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    platform::ShrinkTextsToFit(this);
}

// An etched line across the window: white over a dark line two pixels wide.
void AboutWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect white = platform::ControlRect(0, 870, 3945, 15);
    const QRect dark = platform::ControlRect(0, 885, 3945, 30);
    painter.fillRect(QRect(0, dark.top(), width(), 2), palette().color(QPalette::Dark));
    painter.fillRect(QRect(0, white.top(), width(), 1), Qt::white);
}

// Centred on the width the game uses, the fractions of a twip kept.
void AboutWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const QSizeF outer = platform::OuterSizeTwips(this);
    const double left = (gameWidthTwips_ - outer.width()) / 2;
    const double top = (platform::ScreenHeightTwips() - outer.height()) / 2;
    move(qRound(left / platform::TwipsPerPixelX()), qRound(top / platform::TwipsPerPixelY()));
}

}  // namespace desktop
