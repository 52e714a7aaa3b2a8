#include "tests/support/ShortHole.h"

#include "platform/Random.h"

namespace testing {

QString ShortHole() { return QStringLiteral("3T____P") + QString(94, u'_'); }

QByteArray ShortUserCourse() { return ("@" + ShortHole().toLatin1() + "\r\n").repeated(18); }

settings::Settings StandardSettings() {
    settings::Settings settings;
    settings.screenWidth = 19200;
    settings.speedFactor = 1;
    settings.ballColor = qRgb(254, 254, 254);
    return settings;
}

void StartOnHole(game::Game& game, int hole) {
    platform::ScriptRandom({0.0});
    game.NewRound();
    game.Round().groundY = kGroundY;
    game.Round().currentHole = hole;
    game.ResetHole();
    game.NextTurn();
}

}  // namespace testing
