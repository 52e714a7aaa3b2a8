#pragma once

#include <QDialog>
#include <QPushButton>
#include <QStringList>
#include <cstdint>

namespace scorecard {

// The score window: the score card, a close button and a copy button.
class Form6 : public QDialog {
    Q_OBJECT
public:
    Form6();

    // Replaces the card drawn from the top-left corner of the client area.
    void SetCardText(const QString& text);
    const QStringList& CardLines() const { return cardLines_; }

    QPushButton* const Command1;
    QPushButton* const Command2;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Command2Click();

    QStringList cardLines_;
    // Shift state of the last mouse-down on the copy button: 1 Shift, 2 Ctrl,
    // 4 Alt; a click from the keyboard copies by it too.
    std::int16_t copyShiftState_ = 0;
};

// The one score window, loaded on first use.
Form6& ScoreWindow();
Form6* LoadedScoreWindow();

// Shows the text in the score window modally and unloads the window when it closes.
void ShowScoreWindow(const QString& text);
// Puts the text on the clipboard and confirms it to the player.
void CopyText(const QString& text);

// The window opened from the game menu: "閉じる" and no copying; afterwards
// the window is back as designed for the end of the round.
void PrepareForMenu();
void RestoreAfterMenu();

}  // namespace scorecard
