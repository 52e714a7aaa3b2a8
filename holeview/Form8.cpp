#include "holeview/Form8.h"

#include "holeview/FieldManagement.h"

#include <QImage>
#include <QPainter>

namespace holeview {
namespace {

platform::FormSlot<Form8>& Slot() {
    static platform::FormSlot<Form8> slot;
    return slot;
}

// 5 x 10 pixels: '#' the grey pole, 'r' the red pennant, '.' white.
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

Form8::Form8()
    : GameWindow(QStringLiteral("Quorvane flag"), platform::WindowInput::PassesThrough,
                 FieldManagement()) {
    SetBackColor(qRgb(255, 255, 255));
    Move(0, 0, 75, 150);
}

void Form8::paintEvent(QPaintEvent* event) {
    GameWindow::paintEvent(event);
    static const QImage picture = FlagPicture();
    QPainter(this).drawImage(0, 0, picture);
}

Form8& Flag() { return Slot().Get(); }
void UnloadFlag() { Slot().Unload(); }

}  // namespace holeview
