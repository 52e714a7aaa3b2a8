#pragma once
// The course editor's tool window above the strip: the hole picker, par and
// length, the tools, undo and redo, save, try and close. It shows what it is
// given and reports what the player asks for; the keyboard works the strip's
// cursor from here.

#include <QWidget>
#include <array>
#include <cstdint>

#include "editor/HoleEdits.h"

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QSpinBox;
class QUndoStack;
class QVBoxLayout;

namespace editor {

class EditorWindow : public QWidget {
    Q_OBJECT
public:
    // Undo, redo and the unsaved mark in the title follow the history.
    EditorWindow(QUndoStack& history, const QString& fileName);

    void ShowHole(int hole, int par, int length, const QString& line);
    // The picker marks a hole not yet in the file with "*" and one with
    // warnings with "!", in red.
    void MarkHole(int hole, bool isNew, const QString& warnings);
    // Centred on the game's width, its bottom edge at the given height.
    void PlaceAbove(std::int32_t bottomTwips, std::int32_t screenWidth);

    QAbstractButton* HoleButton(int hole) const { return holeButtons_[hole - 1]; }
    QAbstractButton* ToolButton(Tool tool) const;
    QSpinBox* ParBox() const { return parBox_; }
    QSpinBox* LengthBox() const { return lengthBox_; }
    QLabel* WarningLabel() const { return warningLabel_; }

signals:
    void holeChosen(int hole);
    void parChosen(int par);
    void lengthChosen(int cells);
    void toolChosen(Tool tool);
    // The keyboard's column moves by this many (it stops at the strip's ends).
    void cursorMoved(int by);
    // A letter (T P B W K E) or Space at the keyboard's column.
    void cellTyped(Tool tool);
    void saveRequested();
    void tryRequested();
    void closeRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void CreatePicker(QVBoxLayout* column);
    void CreateTools(QVBoxLayout* column);
    void CreateCommands(QUndoStack& history, QVBoxLayout* column);
    void Place();

    int hole_ = 1;
    std::int32_t bottomTwips_ = 0;
    std::int32_t screenWidth_ = 0;
    QSize placedFrame_;  // the frame's size when the window was last placed
    std::array<QAbstractButton*, 18> holeButtons_{};
    QButtonGroup* holeGroup_ = nullptr;
    QButtonGroup* toolGroup_ = nullptr;
    QSpinBox* parBox_ = nullptr;
    QSpinBox* lengthBox_ = nullptr;
    QLabel* warningLabel_ = nullptr;
};

}  // namespace editor
