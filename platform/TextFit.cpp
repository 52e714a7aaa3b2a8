#include "platform/TextFit.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

namespace platform {
namespace {

constexpr double kSmallestPoints = 6;

QString TextOf(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
    return QString();
}

// A box may reach past the edge of its window; only what shows counts.
int ShownWidth(const QWidget* control) {
    const QWidget* parent = control->parentWidget();
    if (!parent) return control->width();
    return std::min(control->width(), parent->width() - control->x());
}

int WidthNeeded(const QWidget* control) {
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        return button->fontMetrics().horizontalAdvance(button->text()) + 2 * margin;
    }
    return control->sizeHint().width();
}

}  // namespace

bool TextFits(const QWidget* control) {
    if (TextOf(control).isEmpty()) return true;
    return WidthNeeded(control) <= ShownWidth(control) &&
           control->fontMetrics().height() <= control->height();
}

void ShrinkTextToFit(QWidget* control) {
    QFont font = control->font();
    while (!TextFits(control) && font.pointSizeF() - 0.25 >= kSmallestPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        control->setFont(font);
    }
}

void ShrinkTextsToFit(QWidget* window) {
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control)) {
            ShrinkTextToFit(control);
        }
    }
}

}  // namespace platform
