// Writes the game's icon as a PNG of one size, for the desktop's icon theme.
#include <QString>
#include <cstdio>
#include <cstdlib>

#include "game/AppIcon.h"

int main(int argc, char** argv) {
    const int size = argc == 3 ? std::atoi(argv[1]) : 0;
    if (size <= 0) {
        std::fputs("Usage: quorvane_render_icon SIZE FILE.png\n", stderr);
        return 2;
    }
    if (!game::AppIconImage(size).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "quorvane_render_icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
