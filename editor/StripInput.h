#pragma once
// The course editor's input layer: a band across the game's width behind the
// strip and everything standing on it. The field's windows let the pointer
// through, so a press anywhere on the hole lands here and names a column.

#include <QList>
#include <QPixmap>
#include <cstdint>
#include <optional>

#include "platform/GameWindow.h"

class QPainter;

namespace editor {

// A bunker or water of the hole: one pixel high in play, so the band shows
// where it lies.
struct HazardSpan {
    double left;  // twips
    double width;
    bool water;

    bool operator==(const HazardSpan&) const = default;
};

// What the band shows besides the column under the pointer.
struct StripGuide {
    std::int32_t cellWidth = 0;  // twips
    int lastCell = 0;            // columns after it lie outside the hole
    int cursorColumn = 0;        // the keyboard's column
    QList<HazardSpan> hazards;

    bool operator==(const StripGuide&) const = default;
};

class StripInput : public platform::GameWindow {
    Q_OBJECT
public:
    StripInput();

    // From above the tallest tree down to the strip's bottom edge.
    void Place(std::int32_t groundY, std::int32_t screenWidth);
    void SetGuide(const StripGuide& guide);
    std::optional<int> PointerColumn() const { return pointerColumn_; }

    static constexpr double kHeightAboveGround = 300;

signals:
    // A press with the left button, the pointer moving to other columns while
    // it is held, and its release.
    void pressed(int column);
    void dragged(int column);
    void released();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int ColumnUnder(const QMouseEvent* event) const;
    QRectF ColumnRect(int column) const;
    void SetPointerColumn(std::optional<int> column);
    void Redraw();
    void Draw(QPainter& painter);

    StripGuide guide_;
    std::optional<int> pointerColumn_;
    bool dragging_ = false;
    QPixmap picture_;  // the band as last drawn
};

}  // namespace editor
