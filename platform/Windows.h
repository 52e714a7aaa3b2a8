#pragma once
// Top-level windows placed in twips: the frameless game windows with their
// persistent box drawing, and the geometry helpers the dialogs use.

#include <QColor>
#include <QList>
#include <QRectF>
#include <QWidget>
#include <memory>

namespace platform {

// Pixels of a twips rectangle: each edge is converted on its own (floor), so
// windows that share an edge in twips share it in pixels; never empty.
QRect TwipsToPixels(double left, double top, double width, double height);
// A design-time control rectangle (twips) inside a dialog, in pixels.
QRect ControlRect(int left, int top, int width, int height);
void PlaceControl(QWidget* control, int left, int top, int width, int height);
// Sets a dialog's client size from twips.
void SetClientSizeTwips(QWidget* dialog, int width, int height);
// Moves a top-level window's frame to a twips position.
void MoveWindowTwips(QWidget* window, int left, int top);
// Outer size of a top-level window in twips (frame included when known).
QSizeF OuterSizeTwips(const QWidget* window);

enum class WindowInput { Accepts, PassesThrough };
// Unmanaged windows bypass the window manager: dozens of them appear at once
// without a round trip each and never take the focus; only raising them keeps
// them above other programs' windows.
enum class WindowManagement { Managed, Unmanaged };

// Frameless tool window that never takes the focus from the user's programs;
// its geometry is kept in twips as the game set it.
class GameWindow : public QWidget {
    Q_OBJECT
public:
    GameWindow(const QString& title, WindowInput input,
               WindowManagement management = WindowManagement::Managed);

    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void Move(double left, double top);
    void Move(double left, double top, double width, double height);
    void SetLeft(double left) { Move(left, top_); }
    void SetTop(double top) { Move(left_, top); }

    QRgb BackColor() const { return backColor_; }
    void SetBackColor(QRgb color);

    // Persistent drawing: boxes in twips from the window's top-left corner,
    // both corners included, later boxes over earlier ones.
    void FillBox(double x1, double y1, double x2, double y2, QRgb color);
    void Cls();

    // Shows without activating and puts the window where the game set it,
    // whatever the window manager chose first.
    void ShowWindow();
    // A concealed window stays shown but shows no pixel and takes no click:
    // bringing it back costs no round trip through the window manager.
    void SetConcealed(bool concealed);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct Box {
        QRectF twips;
        QRgb color;
    };
    void ApplyGeometry();

    double left_ = 0;
    double top_ = 0;
    double width_ = 0;
    double height_ = 0;
    QRgb backColor_ = qRgb(0, 0, 0);
    QList<Box> boxes_;
};

// A window that exists once, created when first referred to and destroyed when
// unloaded.
template <class Form>
class FormSlot {
public:
    Form& Get() {
        if (!form_) form_ = std::make_unique<Form>();
        return *form_;
    }
    Form* Loaded() const { return form_.get(); }
    void Unload() { form_.reset(); }

private:
    std::unique_ptr<Form> form_;
};

}  // namespace platform

namespace platform {

// Keeps a window above all others (or stops doing so) without hiding it, and
// raises it; the lower variant sends it to the bottom of the stacking order.
bool RaiseTopmost(QWidget* window);
bool LowerToBottom(QWidget* window);

}  // namespace platform
