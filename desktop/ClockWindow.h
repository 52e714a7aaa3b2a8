#pragma once

#include <QDialog>
#include <QImage>
#include <QTimer>
#include <optional>

class QLabel;

namespace desktop {

// The pause clock: a golf ball on a tee with the time written across it. It
// can be dragged anywhere; a double-click closes it, and it keeps its place
// in the settings file for the next pause.
class ClockWindow : public QDialog {
    Q_OBJECT
public:
    // Opens where ClockPlace puts it, given the game's width in twips.
    explicit ClockWindow(int gameWidthTwips);

    QLabel* TimeLabel() const { return timeLabel_; }

    // Saves the place before the window closes, however it closes.
    void done(int result) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void ShowTime();

    QLabel* timeLabel_;
    QImage picture_;
    QTimer tick_;
    std::optional<QPoint> dragFrom_;
};

}  // namespace desktop
