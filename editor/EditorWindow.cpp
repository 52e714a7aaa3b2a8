#include "editor/EditorWindow.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

#include "courses/HoleString.h"
#include "platform/FixedDialog.h"
#include "platform/Numeric.h"
#include "platform/Twips.h"

namespace editor {
namespace {

constexpr Tool kTools[] = {Tool::Fairway, Tool::Bunker, Tool::Water, Tool::Tree,
                           Tool::Tee,     Tool::Pin,    Tool::End};

// Space is fairway; the letters are those of the hole string.
std::optional<Tool> ToolOfKey(int key) {
    if (key == Qt::Key_Space) return Tool::Fairway;
    for (Tool tool : kTools) {
        if (tool != Tool::Fairway && LetterOf(tool) == QChar(key)) return tool;
    }
    return std::nullopt;
}

QString KeyNameOf(Tool tool) {
    return tool == Tool::Fairway ? QStringLiteral("Space") : QString(LetterOf(tool));
}

template <class Button>
Button* NewButton(const QString& caption, QWidget* parent) {
    auto* button = new Button(parent);
    button->setText(caption);
    // The keyboard stays with the strip's cursor: Space must not press a button.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QSpinBox* NewNumberBox(int least, int most, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(least, most);
    box->setFocusPolicy(Qt::ClickFocus);
    // A number typed in counts once it is complete: "50" must not pass through 5.
    box->setKeyboardTracking(false);
    return box;
}

QHBoxLayout* NewRow(QVBoxLayout* column) {
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    column->addLayout(row);
    return row;
}

}  // namespace

EditorWindow::EditorWindow(QUndoStack& history, const QString& fileName) {
    // Like the game's dialogs: nothing to minimise where no taskbar may show
    // it again, and brought back by a press on the strip if it is.
    setWindowFlags(platform::kFixedDialogFlags);
    setWindowTitle(QStringLiteral("Quorvane コース作成 - %1[*]").arg(fileName));
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    setFocusPolicy(Qt::StrongFocus);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(4);
    column->setSizeConstraint(QLayout::SetFixedSize);
    CreatePicker(column);
    CreateTools(column);
    CreateCommands(history, column);
    // One line that never widens the window; the whole of it is its tip.
    warningLabel_ = new QLabel(this);
    warningLabel_->setTextFormat(Qt::PlainText);
    warningLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    column->addWidget(warningLabel_);

    connect(&history, &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });
    connect(holeGroup_, &QButtonGroup::idClicked, this, &EditorWindow::holeChosen);
    connect(toolGroup_, &QButtonGroup::idClicked, this,
            [this](int tool) { emit toolChosen(static_cast<Tool>(tool)); });
    connect(parBox_, &QSpinBox::valueChanged, this, &EditorWindow::parChosen);
    connect(lengthBox_, &QSpinBox::valueChanged, this, &EditorWindow::lengthChosen);
    // A number given back, the keyboard works the strip's cursor again.
    for (QSpinBox* box : {parBox_, lengthBox_}) {
        connect(box, &QSpinBox::editingFinished, this, [this] { setFocus(); });
        connect(box, &QSpinBox::valueChanged, this, [this] { setFocus(); });
    }
}

void EditorWindow::CreatePicker(QVBoxLayout* column) {
    QHBoxLayout* row = NewRow(column);
    row->addWidget(new QLabel(QStringLiteral("ホール"), this));
    holeGroup_ = new QButtonGroup(this);
    for (int hole = 1; hole <= 18; ++hole) {
        auto* button = NewButton<QToolButton>(QString::number(hole), this);
        button->setCheckable(true);
        // Wide enough for both marks, so the window keeps its width.
        button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("18*!")) + 10);
        holeGroup_->addButton(button, hole);
        holeButtons_[static_cast<std::size_t>(hole - 1)] = button;
        row->addWidget(button);
    }
    row->addStretch();
}

void EditorWindow::CreateTools(QVBoxLayout* column) {
    QHBoxLayout* row = NewRow(column);
    row->addWidget(new QLabel(QStringLiteral("パー"), this));
    parBox_ = NewNumberBox(1, 9, this);
    row->addWidget(parBox_);
    row->addWidget(new QLabel(QStringLiteral("長さ"), this));
    lengthBox_ = NewNumberBox(1, static_cast<int>(courses::kMostCells), this);
    lengthBox_->setSuffix(QStringLiteral(" マス"));
    lengthBox_->setToolTip(QStringLiteral("100マスで帯の幅いっぱいです"));
    row->addWidget(lengthBox_);
    row->addSpacing(8);
    toolGroup_ = new QButtonGroup(this);
    for (Tool tool : kTools) {
        auto* button = NewButton<QToolButton>(NameOf(tool), this);
        button->setCheckable(true);
        button->setToolTip(QStringLiteral("%1（Shift+%2。%2 だけでカーソルの位置に置きます）")
                               .arg(NameOf(tool), KeyNameOf(tool)));
        toolGroup_->addButton(button, static_cast<int>(tool));
        row->addWidget(button);
    }
    row->addStretch();
}

void EditorWindow::CreateCommands(QUndoStack& history, QVBoxLayout* column) {
    QHBoxLayout* row = NewRow(column);
    auto* undo = new QAction(QStringLiteral("元に戻す"), this);
    undo->setShortcut(QKeySequence::Undo);
    auto* redo = new QAction(QStringLiteral("やり直し"), this);
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence::Redo});
    for (QAction* action : {undo, redo}) {
        addAction(action);
        auto* button = NewButton<QToolButton>(QString(), this);
        button->setDefaultAction(action);
        row->addWidget(button);
    }
    connect(undo, &QAction::triggered, &history, &QUndoStack::undo);
    connect(redo, &QAction::triggered, &history, &QUndoStack::redo);
    undo->setEnabled(history.canUndo());
    redo->setEnabled(history.canRedo());
    connect(&history, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(&history, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    connect(&history, &QUndoStack::undoTextChanged, undo, &QAction::setToolTip);
    connect(&history, &QUndoStack::redoTextChanged, redo, &QAction::setToolTip);

    row->addStretch();
    auto* save = NewButton<QPushButton>(QStringLiteral("保存"), this);
    save->setToolTip(QStringLiteral("Ctrl+S"));
    auto* tryOut = NewButton<QPushButton>(QStringLiteral("試打"), this);
    tryOut->setToolTip(QStringLiteral("このホールを打ってみます"));
    auto* close = NewButton<QPushButton>(QStringLiteral("閉じる"), this);
    for (QPushButton* button : {save, tryOut, close}) row->addWidget(button);
    auto* saveKey = new QAction(this);
    saveKey->setShortcut(QKeySequence::Save);
    addAction(saveKey);
    connect(save, &QPushButton::clicked, this, &EditorWindow::saveRequested);
    connect(saveKey, &QAction::triggered, this, &EditorWindow::saveRequested);
    connect(tryOut, &QPushButton::clicked, this, &EditorWindow::tryRequested);
    connect(close, &QPushButton::clicked, this, &EditorWindow::closeRequested);
}

QAbstractButton* EditorWindow::ToolButton(Tool tool) const {
    return toolGroup_->button(static_cast<int>(tool));
}

void EditorWindow::ShowHole(int hole, int par, int length, const QString& line) {
    hole_ = hole;
    HoleButton(hole)->setChecked(true);
    const QSignalBlocker parBlocker(parBox_);
    const QSignalBlocker lengthBlocker(lengthBox_);
    parBox_->setValue(par);
    lengthBox_->setValue(length);
    warningLabel_->setText(line);
    warningLabel_->setToolTip(line);
}

void EditorWindow::MarkHole(int hole, bool isNew, const QString& warnings) {
    QAbstractButton* button = HoleButton(hole);
    QString caption = QString::number(hole);
    QStringList tip{QStringLiteral("ホール%1").arg(hole)};
    if (isNew) {
        caption += u'*';
        tip << QStringLiteral("新しいホール（まだファイルにありません）");
    }
    if (!warnings.isEmpty()) {
        caption += u'!';
        tip << warnings;
    }
    button->setText(caption);
    button->setToolTip(tip.join(u'\n'));
    // Setting a style sheet restyles the button even when it is the same.
    const QString style = warnings.isEmpty() ? QString() : QStringLiteral("color: #c00000;");
    if (button->styleSheet() != style) button->setStyleSheet(style);
}

void EditorWindow::PlaceAbove(std::int32_t bottomTwips, std::int32_t screenWidth) {
    bottomTwips_ = bottomTwips;
    screenWidth_ = screenWidth;
    if (isVisible()) Place();
}

void EditorWindow::Place() {
    placedFrame_ = frameGeometry().size();
    const QSizeF outer = platform::OuterSizeTwips(this);
    platform::MoveWindowTwips(this, platform::RoundHalfEven(screenWidth_ - outer.width()) / 2,
                              platform::RoundHalfEven(bottomTwips_ - outer.height()));
}

void EditorWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Place();
    setFocus();
}

// The window manager's frame is known only once the window is on the screen:
// the window is placed again when it comes.
bool EditorWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    const bool moved = event->type() == QEvent::Move || event->type() == QEvent::Resize;
    if (moved && isVisible() && frameGeometry().size() != placedFrame_) Place();
    return handled;
}

void EditorWindow::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers others =
        event->modifiers() & ~Qt::ShiftModifier & ~Qt::KeypadModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (others != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Left:
            emit cursorMoved(-1);
            return;
        case Qt::Key_Right:
            emit cursorMoved(1);
            return;
        case Qt::Key_Home:
            emit cursorMoved(-kColumns);
            return;
        case Qt::Key_End:
            emit cursorMoved(kColumns);
            return;
        case Qt::Key_PageUp:
            if (hole_ > 1) emit holeChosen(hole_ - 1);
            return;
        case Qt::Key_PageDown:
            if (hole_ < 18) emit holeChosen(hole_ + 1);
            return;
    }
    const std::optional<Tool> tool = ToolOfKey(event->key());
    if (!tool) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (shift) {
        ToolButton(*tool)->click();
    } else {
        emit cellTyped(*tool);
    }
}

// The window system's close button asks like 閉じる.
void EditorWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit closeRequested();
}

}  // namespace editor
