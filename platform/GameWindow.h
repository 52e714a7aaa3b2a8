#pragma once
// The frameless windows the field is made of (ball, strip, flag, obstacles):
// placed in twips, with persistent box drawing.

#include <QColor>
#include <QList>
#include <QRectF>
#include <QWidget>

#include "platform/Box.h"

namespace platform {

enum class WindowInput { Accepts, PassesThrough };

// A window the window manager leaves alone (override-redirect): it lies
// exactly where the game puts it on every desktop, never shows on a taskbar,
// pager or window switcher, never takes the focus or asks for attention, and
// moving it costs the window manager nothing. Its geometry is kept in twips
// exactly as the game set it.
class GameWindow : public QWidget {
    Q_OBJECT
public:
    GameWindow(const QString& title, WindowInput input);

    // A window that moves on its own (the ball) keeps one size in pixels,
    // its bottom edge where the twips put it: converting each edge on its own
    // would make it a pixel wider or taller at some places, and every such
    // step would resize and repaint it.
    void KeepPixelSize() { keepPixelSize_ = true; }

    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void Move(double left, double top);
    void Move(double left, double top, double width, double height);
    void SetTop(double top) { Move(left_, top); }

    QRgb BackgroundColor() const { return backgroundColor_; }
    void SetBackgroundColor(QRgb color);

    // Persistent drawing: boxes painted in the order given, later over earlier.
    void FillBox(const Box& box);
    void ClearDrawing();

    // Shows without activating and puts the window where the game set it,
    // whatever the window manager chose first.
    void ShowInPlace();
    // A concealed window stays shown but shows no pixel and takes no click:
    // bringing it back costs no round trip through the window manager.
    void SetConcealed(bool concealed);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ApplyGeometry();

    double left_ = 0;
    double top_ = 0;
    double width_ = 0;
    double height_ = 0;
    QRgb backgroundColor_ = qRgb(0, 0, 0);
    bool keepPixelSize_ = false;
    // Where the window lies on the screen, in pixels.
    QRect placed_;
    QList<Box> boxes_;
};

// While the ball flies it moves itself fifty times a second and knows where
// it is: the X server need not tell it of every move, which would wake
// the toolkit's reader thread each time. Whoever shows or hides the window
// meanwhile ends this first, or the toolkit would not hear of it.
class QuietMoves {
public:
    explicit QuietMoves(QWidget& window);
    ~QuietMoves();
    QuietMoves(const QuietMoves&) = delete;
    QuietMoves& operator=(const QuietMoves&) = delete;

private:
    QWidget& window_;
};

}  // namespace platform
