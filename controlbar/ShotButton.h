#pragma once

#include "platform/Boxes.h"

namespace controlbar {

inline constexpr QRgb kRed = 0xFFFF0000u;
inline constexpr QRgb kBlue = 0xFF0000FFu;
inline constexpr QRgb kBlack = 0xFF000000u;

// The bar's button: it holds the keyboard focus and takes every press. Red
// while a press is down, blue again when it is let go.
class ShotButton : public platform::ColorBox {
    Q_OBJECT
public:
    explicit ShotButton(QWidget* parent);

signals:
    // Space down, or the left button down.
    void pressed();
    // Any other button down; shiftAlone when Shift was the only modifier held.
    void menuRequested(QPoint globalPos, bool shiftAlone);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace controlbar
