#pragma once
// The control bar's picture boxes: plain colour boxes, the shot button and
// the striped gauges.

#include <QRgb>
#include <QWidget>
#include <array>

namespace controlbar {

// A box of one colour.
class ColorBox : public QWidget {
    Q_OBJECT
public:
    ColorBox(const QString& name, QRgb color, QWidget* parent);
    QRgb Color() const { return color_; }
    void SetColor(QRgb color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRgb color_;
};

// Picture1: holds the focus and takes every key and mouse press of the bar.
class ShotButton : public ColorBox {
    Q_OBJECT
public:
    explicit ShotButton(QWidget* parent);

signals:
    void spaceDown();
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A gauge: four one-colour rows, each one design pixel (15 twips) high, as
// wide as the box, so widening the box uncovers more of the same stripes.
class GaugeBox : public QWidget {
    Q_OBJECT
public:
    using Stripes = std::array<QRgb, 4>;
    GaugeBox(const QString& name, const Stripes& rows, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Stripes rows_;
};

inline constexpr QRgb kRed = 0xFFFF0000u;
inline constexpr QRgb kBlue = 0xFF0000FFu;
inline constexpr QRgb kBlack = 0xFF000000u;

}  // namespace controlbar
