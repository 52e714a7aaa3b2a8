#pragma once
// The course editor: the course being edited, the tool window and the hole on
// the strip, kept in step. Trying a hole and closing are the game's to carry
// out; the editor only reports that the player asked.

#include <QObject>
#include <QRgb>
#include <cstdint>
#include <memory>

#include "courses/UserCourseEdits.h"
#include "editor/CourseDraft.h"
#include "editor/EditorField.h"
#include "editor/EditorWindow.h"

namespace editor {

// Where the course is read from and saved to.
struct CourseFiles {
    QString source;  // read on opening, and again on saving
    QString target;  // empty: USER.TXT where the game reads it, decided on saving
};

// Where the field lies, as in play.
struct FieldSetup {
    std::int32_t groundY;
    std::int32_t screenWidth;
    QRgb teeColor;
};

class CourseEditor : public QObject {
    Q_OBJECT
public:
    CourseEditor(const CourseFiles& files, const FieldSetup& setup);
    ~CourseEditor() override;

    // Shows the windows on hole 1, then tells what was wrong with the file.
    void Open();
    // The field goes while the hole is tried, and comes back as it was.
    void SetShown(bool shown);
    // A new screen or work area: the hole is laid out again where the field
    // now lies, and a drag in progress ends.
    void FollowScreen(const FieldSetup& setup);
    // False, with a message, when nothing was written.
    bool Save();
    // Asks about unsaved changes; true when the editor may close.
    bool MayClose();
    bool SavedOnce() const { return savedOnce_; }

    int CurrentHole() const { return hole_; }
    // The hole being edited, and the tree sizes it has in a round of the course.
    const QString& CurrentRow() const { return draft_.Row(hole_); }
    courses::TreeCycle CurrentTrees() const;

    CourseDraft& Draft() { return draft_; }
    EditorWindow& Window() { return window_; }
    EditorField* Field() { return field_.get(); }

signals:
    void tryRequested();
    void closeRequested();

private:
    void MakeField();
    void PlaceWindow();
    void ShowHole(int hole);
    void ShowRowChange(int hole);
    void Refresh();
    void MarkHole(int hole);
    void StartStroke(int column);
    void ContinueStroke(int column);
    void TypeCell(Tool tool);
    void MoveCursor(int by);
    QString EditName(const QString& what) const;

    CourseFiles files_;
    FieldSetup setup_;
    courses::EditableCourse opened_;
    CourseDraft draft_;
    EditorWindow window_;
    std::unique_ptr<EditorField> field_;
    int hole_ = 1;
    Tool tool_ = Tool::Bunker;
    int cursorColumn_ = 0;
    // The drag in progress: its hole, the cell it started on and the hole
    // string before it.
    int stroke_ = 0;
    int strokeHole_ = 0;
    int strokeAnchor_ = 0;
    QString strokeBase_;
    bool savedOnce_ = false;
};

}  // namespace editor
