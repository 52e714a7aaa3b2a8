#pragma once
// The program's icon: a golf ball on a tee beside a flag.

#include <QIcon>

namespace game {

QIcon AppIcon();

}  // namespace game
