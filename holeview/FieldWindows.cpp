#include "holeview/FieldWindows.h"

#include <QImage>
#include <QPainter>

#include "holeview/FieldGeometry.h"

namespace holeview {
namespace {

using platform::WindowInput;

// 5 x 10 pixels: '#' the grey pole, 'r' the red pennant, '.' white, which
// the flag's shape leaves out.
QImage FlagPicture() {
    static const char* const kRows[] = {".....", "#rrrr", "#rrr.", "#rr..", "#r...",
                                        "#....", "#....", "#....", "#....", "#...."};
    QImage picture(5, 10, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            switch (kRows[y][x]) {
                case '#':
                    picture.setPixel(x, y, qRgb(192, 192, 192));
                    break;
                case 'r':
                    picture.setPixel(x, y, qRgb(255, 0, 0));
                    break;
                default:
                    picture.setPixel(x, y, qRgb(255, 255, 255));
            }
        }
    }
    return picture;
}

}  // namespace

CourseStrip::CourseStrip()
    : GameWindow(QStringLiteral("Quorvane course"), WindowInput::PassesThrough) {
    SetBackgroundColor(qRgb(0, 192, 0));
}

FlagWindow::FlagWindow() : GameWindow(QStringLiteral("Quorvane flag"), WindowInput::PassesThrough) {
    SetBackgroundColor(qRgb(255, 255, 255));
    Move(0, 0, kFlagWidth, kFlagHeight);
}

void FlagWindow::paintEvent(QPaintEvent* event) {
    GameWindow::paintEvent(event);
    static const QImage picture = FlagPicture();
    QPainter(this).drawImage(0, 0, picture);
}

ObstacleWindow::ObstacleWindow()
    : GameWindow(QStringLiteral("Quorvane spare"), WindowInput::PassesThrough) {
    SetBackgroundColor(qRgb(0, 128, 0));
}

}  // namespace holeview
