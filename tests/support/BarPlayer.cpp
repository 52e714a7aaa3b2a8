#include "tests/support/BarPlayer.h"

#include <QApplication>
#include <QKeyEvent>

#include "controlbar/ControlBar.h"

namespace testing {

controlbar::ControlBar* OpenBar() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* bar = qobject_cast<controlbar::ControlBar*>(widget);
        if (bar && bar->isVisible()) return bar;
    }
    return nullptr;
}

void PressSpace() {
    controlbar::ControlBar* bar = OpenBar();
    if (!bar) return;
    QWidget* button = bar->findChild<QWidget*>(QStringLiteral("shotButton"));
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QCoreApplication::postEvent(
            button, new QKeyEvent(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")));
    }
}

BarPlayer::BarPlayer(std::deque<Shot> shots) : shots_(std::move(shots)) {
    watchdog_.setSingleShot(true);
    watchdog_.setInterval(10000);
    connect(&watchdog_, &QTimer::timeout,
            [] { qFatal("a control bar stayed open for ten seconds"); });
    qApp->installEventFilter(this);
}

BarPlayer::~BarPlayer() { qApp->removeEventFilter(this); }

bool BarPlayer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && qobject_cast<controlbar::ControlBar*>(watched)) {
        ++barsOpened;
        watchdog_.start();
        presses_ = 0;
        if (shots_.empty()) return false;
        PressSpace();
        presses_ = 1;
        if (shots_.front().power == 1) {
            PressSpace();
            presses_ = 2;
        }
        return false;
    }
    if (event->type() == QEvent::Hide && qobject_cast<controlbar::ControlBar*>(watched)) {
        watchdog_.stop();
        return false;
    }
    if (event->type() != QEvent::Resize || shots_.empty()) return false;
    const controlbar::ControlBar* bar = OpenBar();
    if (!bar) return false;
    const Shot& shot = shots_.front();
    if (presses_ == 1 && watched->objectName() == u"powerGauge" &&
        bar->PowerShown() == shot.power) {
        PressSpace();
        presses_ = 2;
    } else if (presses_ == 2 && watched->objectName() == u"loftGauge" &&
               bar->LoftShown() == shot.loft) {
        PressSpace();
        presses_ = 3;
        shots_.pop_front();
    }
    return false;
}

}  // namespace testing
