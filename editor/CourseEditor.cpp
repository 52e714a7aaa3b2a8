#include "editor/CourseEditor.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "courses/HoleString.h"
#include "courses/UserCourseFile.h"
#include "editor/HoleWarnings.h"
#include "platform/Messages.h"
#include "platform/Program.h"

namespace editor {
namespace {

const QString kTitle = QStringLiteral("Quorvane");
// Room between the tool window and the tallest tree.
constexpr std::int32_t kWindowGapTwips = 150;

QString LineFor(int hole, const QString& row, bool isNew) {
    const QString prefix = QStringLiteral("ホール%1: ").arg(hole);
    const QList<Warning> warnings = WarningsOf(row);
    if (!warnings.isEmpty()) return prefix + WarningLine(warnings);
    if (isNew)
        return prefix + QStringLiteral("新しいホールです。保存するとファイルに書き込みます。");
    return prefix + QStringLiteral(
                        "帯をクリックして置き、ドラッグで続けて描きます。"
                        "矢印キーで選んで T P B W K E スペースでも置けます。");
}

}  // namespace

CourseEditor::CourseEditor(const CourseFiles& files, const FieldSetup& setup)
    : files_(files),
      setup_(setup),
      opened_(courses::OpenCourseForEditing(files.source)),
      draft_(opened_.rows),
      window_(draft_.History(), QFileInfo(files.source).fileName()) {
    window_.ToolButton(tool_)->setChecked(true);
    PlaceWindow();
    connect(&draft_, &CourseDraft::rowChanged, this, &CourseEditor::ShowRowChange);
    connect(&window_, &EditorWindow::holeChosen, this, &CourseEditor::ShowHole);
    connect(&window_, &EditorWindow::parChosen, this, [this](int par) {
        draft_.Change(hole_, WithPar(CurrentRow(), par), EditName(QStringLiteral("パー")));
    });
    connect(&window_, &EditorWindow::lengthChosen, this, [this](int cells) {
        draft_.Change(hole_, WithLength(CurrentRow(), cells), EditName(QStringLiteral("長さ")));
    });
    connect(&window_, &EditorWindow::toolChosen, this, [this](Tool tool) { tool_ = tool; });
    connect(&window_, &EditorWindow::cursorMoved, this, &CourseEditor::MoveCursor);
    connect(&window_, &EditorWindow::cellTyped, this, &CourseEditor::TypeCell);
    connect(&window_, &EditorWindow::saveRequested, this, &CourseEditor::Save);
    connect(&window_, &EditorWindow::tryRequested, this, &CourseEditor::tryRequested);
    connect(&window_, &EditorWindow::closeRequested, this, &CourseEditor::closeRequested);
}

CourseEditor::~CourseEditor() = default;

void CourseEditor::Open() {
    MakeField();
    for (int hole = 1; hole <= 18; ++hole) MarkHole(hole);
    window_.show();
    window_.activateWindow();
    ShowHole(1);
    if (!opened_.problem.isEmpty()) {
        platform::ShowMessage(
            QDir::toNativeSeparators(files_.source) + QStringLiteral("\r\n\r\n") + opened_.problem,
            kTitle);
    }
}

void CourseEditor::SetShown(bool shown) {
    if (!shown) {
        stroke_ = 0;
        field_.reset();
        window_.hide();
        return;
    }
    MakeField();
    Refresh();
    window_.show();
    window_.activateWindow();
}

void CourseEditor::FollowScreen(const FieldSetup& setup) {
    setup_ = setup;
    PlaceWindow();
    if (!field_) return;
    stroke_ = 0;
    MakeField();
    Refresh();
}

void CourseEditor::PlaceWindow() {
    window_.PlaceAbove(setup_.groundY - StripInput::kHeightAboveGround - kWindowGapTwips,
                       setup_.screenWidth);
}

void CourseEditor::MakeField() {
    field_ = std::make_unique<EditorField>(setup_.groundY, setup_.screenWidth, setup_.teeColor);
    StripInput& input = field_->Input();
    connect(&input, &StripInput::pressed, this, &CourseEditor::StartStroke);
    connect(&input, &StripInput::dragged, this, &CourseEditor::ContinueStroke);
    connect(&input, &StripInput::released, this, [this] { stroke_ = 0; });
}

courses::TreeCycle CourseEditor::CurrentTrees() const { return TreesBefore(draft_.Rows(), hole_); }

void CourseEditor::ShowHole(int hole) {
    hole_ = std::clamp(hole, 1, 18);
    stroke_ = 0;
    Refresh();
}

// Undo and redo may change another hole than the one shown: it is shown then.
void CourseEditor::ShowRowChange(int hole) {
    MarkHole(hole);
    if (hole != hole_) {
        ShowHole(hole);
    } else {
        Refresh();
    }
}

void CourseEditor::Refresh() {
    const QString& row = CurrentRow();
    window_.ShowHole(hole_, courses::ParOf(row), LengthOf(row),
                     LineFor(hole_, row, draft_.IsNew(hole_)));
    if (!field_) return;
    field_->ShowHole(row, CurrentTrees());
    StripGuide guide{field_->CellWidth(), LastLaidOutCell(row), cursorColumn_, {}};
    for (const holeview::Placement& bunker : field_->Plan().bunkers)
        guide.hazards.append({bunker.left, bunker.width, false});
    for (const holeview::Placement& water : field_->Plan().waters)
        guide.hazards.append({water.left, water.width, true});
    field_->Input().SetGuide(guide);
}

void CourseEditor::MarkHole(int hole) {
    window_.MarkHole(hole, draft_.IsNew(hole), WarningLine(WarningsOf(draft_.Row(hole))));
}

void CourseEditor::StartStroke(int column) {
    stroke_ = draft_.NewStroke();
    strokeHole_ = hole_;
    strokeAnchor_ = CellAt(column, tool_);
    strokeBase_ = CurrentRow();
    cursorColumn_ = column;
    draft_.Change(hole_, Painted(strokeBase_, tool_, strokeAnchor_, strokeAnchor_),
                  EditName(NameOf(tool_)), stroke_);
}

void CourseEditor::ContinueStroke(int column) {
    if (stroke_ == 0 || strokeHole_ != hole_) return;
    cursorColumn_ = column;
    draft_.Change(hole_, Painted(strokeBase_, tool_, strokeAnchor_, CellAt(column, tool_)),
                  EditName(NameOf(tool_)), stroke_);
}

void CourseEditor::TypeCell(Tool tool) {
    const int cell = CellAt(cursorColumn_, tool);
    draft_.Change(hole_, Painted(CurrentRow(), tool, cell, cell), EditName(NameOf(tool)));
}

void CourseEditor::MoveCursor(int by) {
    cursorColumn_ = std::clamp(cursorColumn_ + by, 0, kColumns - 1);
    Refresh();
}

QString CourseEditor::EditName(const QString& what) const {
    return QStringLiteral("ホール%1の%2").arg(hole_).arg(what);
}

bool CourseEditor::Save() {
    if (!opened_.whole) {
        platform::ShowMessage(
            QStringLiteral("「%1」は開いたときに最後まで読めなかったので、上書きしません。\r\n"
                           "ファイルを直すか名前を変えてから、コース作成を開き直してください。")
                .arg(QDir::toNativeSeparators(files_.source)),
            kTitle);
        return false;
    }
    if (files_.target.isEmpty()) files_.target = platform::UserCourseFileToWrite();
    const QString problem =
        courses::SaveEditedCourse(files_.source, files_.target, draft_.ChangedRows());
    if (!problem.isEmpty()) {
        platform::ShowMessage(problem, kTitle);
        return false;
    }
    // Later saves start from the bytes just written.
    files_.source = files_.target;
    draft_.Saved();
    savedOnce_ = true;
    for (int hole = 1; hole <= 18; ++hole) MarkHole(hole);
    Refresh();
    return true;
}

bool CourseEditor::MayClose() {
    if (draft_.History().isClean()) return true;
    const int answer = platform::AskQuestion(
        QStringLiteral("コースの変更を保存しますか？"), kTitle,
        {QStringLiteral("保存"), QStringLiteral("保存しない"), QStringLiteral("キャンセル")});
    if (answer == 0) return Save();
    return answer == 1;
}

}  // namespace editor
