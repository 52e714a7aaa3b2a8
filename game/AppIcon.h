#pragma once
// The program's icon: a golf ball on a tee beside a flag. It is drawn on a
// 32-unit grid, so any size renders crisply; the windows use it at 32 px.

#include <QIcon>
#include <QImage>

namespace game {

QImage AppIconImage(int size);
QIcon AppIcon();

}  // namespace game
