#include "tests/support/PlayField.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include "controlbar/Form3.h"
#include "game/Form1.h"
#include "game/RoundState.h"
#include "game/TurnCycle.h"
#include "holeview/WindowShapes.h"
#include "platform/Program.h"
#include "platform/Runtime.h"
#include "settings/SettingsState.h"

namespace testing {

void FlatField(int ballX, int cupX) {
    settings::state.screenWidth = kFieldWidth;
    game::state.groundY = kGroundY;
    game::state.ballX = ballX;
    game::state.ballY = kGroundY - 80;
    game::state.cupX = cupX;
    game::Ball().Move(ballX, game::state.ballY, 80, 80);
}

holeview::Form2& AddSprite(holeview::SpriteList& list, double left, double width, double height) {
    list.push_back(std::make_unique<holeview::Form2>(QStringLiteral("sprite")));
    list.back()->Move(left, kGroundY - height, width, height);
    return *list.back();
}

void LaidOutHole(int hole) {
    holeview::BuildWindowShapes();
    platform::SetCommandLineText(QStringLiteral("3T____P") + QString(94, u'_'));
    platform::ScriptRandom({0.0});
    FlatField(0, 0);
    game::NewRound();
    game::state.currentHole = hole;
    game::ResetHole();
    game::NextTurn();
}

void PressSpace() {
    controlbar::Form3* bar = controlbar::LoadedBar();
    if (!bar) return;
    QWidget* button = bar->findChild<QWidget*>(QStringLiteral("Picture1"));
    QCoreApplication::postEvent(button, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space,
                                                      Qt::NoModifier, QStringLiteral(" ")));
    QCoreApplication::postEvent(button, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space,
                                                      Qt::NoModifier, QStringLiteral(" ")));
}

BarPlayer::BarPlayer(std::deque<Shot> shots) : shots_(std::move(shots)) {
    watchdog_.setSingleShot(true);
    watchdog_.setInterval(10000);
    connect(&watchdog_, &QTimer::timeout, [] {
        if (controlbar::Form3* bar = controlbar::LoadedBar()) bar->done(QDialog::Rejected);
    });
    qApp->installEventFilter(this);
}

BarPlayer::~BarPlayer() { qApp->removeEventFilter(this); }

bool BarPlayer::eventFilter(QObject* watched, QEvent* event) {
    controlbar::Form3* bar = controlbar::LoadedBar();
    if (!bar) return false;
    const bool opened = watched == bar && event->type() == QEvent::Show;
    if (opened) {
        ++barsOpened;
        watchdog_.start();
    }
    if (shots_.empty()) return false;
    const controlbar::Gauges& g = bar->GaugeLevels();
    const Shot& shot = shots_.front();
    if (opened) {
        PressSpace();
        if (shot.power == 1) PressSpace();
    } else if (!g.gaugeRunning || event->type() != QEvent::Resize) {
        return false;
    } else if (watched->objectName() == u"Picture2") {
        if (!g.powerFixed && g.powerLevel == shot.power) PressSpace();
    } else if (watched->objectName() == u"Picture3") {
        if (g.powerFixed && !g.loftFixed && g.loftLevel == shot.loft) {
            PressSpace();
            shots_.pop_front();
        }
    }
    return false;
}

}  // namespace testing
