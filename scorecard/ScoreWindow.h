#pragma once

#include <QDialog>
#include <QStringList>
#include <cstdint>

class QPushButton;

namespace scorecard {

// The score window: the score card, a close button and a copy button.
class ScoreWindow : public QDialog {
    Q_OBJECT
public:
    // At the end of the round the close button reads "終了" and copying is
    // offered; opened from the game menu it reads "閉じる" and cannot copy.
    enum class Opened { AtRoundEnd, FromMenu };

    // Centred on the width the game uses.
    ScoreWindow(const QString& cardText, Opened opened, int gameWidthTwips);

    const QStringList& CardLines() const { return cardLines_; }
    QPushButton* CloseButton() const { return closeButton_; }
    QPushButton* CopyButton() const { return copyButton_; }

signals:
    // The copy button was clicked: with Shift alone at its last mouse-down the
    // player wants one column of strokes.
    void copyRequested(bool oneColumn);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStringList cardLines_;
    QPushButton* closeButton_;
    QPushButton* copyButton_;
    // Shift state of the last mouse-down on the copy button: 1 Shift, 2 Ctrl,
    // 4 Alt. A click from the keyboard copies by it too.
    std::int16_t copyShiftState_ = 0;
};

}  // namespace scorecard
