#pragma once
// The course being edited: 18 hole strings that change only through the
// commands on its undo stack, so undo, redo and the unsaved mark follow from
// the stack.

#include <QObject>
#include <QUndoStack>

#include "courses/CourseState.h"
#include "courses/UserCourseEdits.h"

namespace editor {

class CourseDraft : public QObject {
    Q_OBJECT
public:
    // The holes the file has; the others start as new plain holes.
    explicit CourseDraft(const courses::HoleRows& inFile);

    const QString& Row(int hole) const { return rows_[Index(hole)]; }
    const courses::CourseRows& Rows() const { return rows_; }
    // Not in the file yet.
    bool IsNew(int hole) const { return !inFile_[Index(hole)].has_value(); }
    QUndoStack& History() { return history_; }

    // One edit: the hole's string becomes row. The edits of one stroke (a
    // drag along the strip) make one step to undo; NewStroke starts one.
    void Change(int hole, const QString& row, const QString& what, int stroke = 0);
    int NewStroke() { return ++strokes_; }

    // The holes whose strings differ from the file's, new ones included.
    courses::HoleRows ChangedRows() const;
    // The file now holds every hole as it stands.
    void Saved();

signals:
    void rowChanged(int hole);

private:
    friend class HoleChange;
    static std::size_t Index(int hole) { return static_cast<std::size_t>(hole - 1); }
    void SetRow(int hole, const QString& row);

    courses::CourseRows rows_;
    courses::HoleRows inFile_;
    QUndoStack history_;
    int strokes_ = 0;
};

}  // namespace editor
