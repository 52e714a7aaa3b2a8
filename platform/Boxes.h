#pragma once
// Plain picture boxes: one colour, or rows of stripes like the gauges'.

#include <QRgb>
#include <QWidget>
#include <array>

namespace platform {

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

// Four one-colour rows, each 15 twips high (one pixel on a standard screen)
// and as wide as the box, so widening the box uncovers more of the same stripes.
class StripedBox : public QWidget {
    Q_OBJECT
public:
    using Stripes = std::array<QRgb, 4>;
    StripedBox(const QString& name, const Stripes& rows, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Stripes rows_;
};

}  // namespace platform
