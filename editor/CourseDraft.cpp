#include "editor/CourseDraft.h"

#include "editor/HoleEdits.h"

namespace editor {

// One hole's string from one value to another; a stroke's later edits merge
// into its first, keeping the string from before the stroke.
class HoleChange : public QUndoCommand {
public:
    HoleChange(CourseDraft& draft, int hole, QString before, QString after, const QString& what,
               int stroke)
        : QUndoCommand(what),
          draft_(draft),
          hole_(hole),
          stroke_(stroke),
          before_(std::move(before)),
          after_(std::move(after)) {
        // An edit that changes nothing is dropped by the stack, not kept as a step.
        setObsolete(before_ == after_);
    }

    void undo() override { draft_.SetRow(hole_, before_); }
    void redo() override { draft_.SetRow(hole_, after_); }
    int id() const override { return stroke_ > 0 ? 1 : -1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const HoleChange*>(other);
        if (next->stroke_ != stroke_ || next->hole_ != hole_) return false;
        after_ = next->after_;
        setObsolete(after_ == before_);
        return true;
    }

private:
    CourseDraft& draft_;
    int hole_;
    int stroke_;
    QString before_;
    QString after_;
};

CourseDraft::CourseDraft(const courses::HoleRows& inFile) : inFile_(inFile) {
    for (std::size_t i = 0; i < rows_.size(); ++i) rows_[i] = inFile[i].value_or(NewHoleRow());
}

void CourseDraft::Change(int hole, const QString& row, const QString& what, int stroke) {
    history_.push(new HoleChange(*this, hole, Row(hole), row, what, stroke));
}

void CourseDraft::SetRow(int hole, const QString& row) {
    rows_[Index(hole)] = row;
    emit rowChanged(hole);
}

courses::HoleRows CourseDraft::ChangedRows() const {
    courses::HoleRows changed;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (inFile_[i] != rows_[i]) changed[i] = rows_[i];
    }
    return changed;
}

void CourseDraft::Saved() {
    for (std::size_t i = 0; i < rows_.size(); ++i) inFile_[i] = rows_[i];
    history_.setClean();
}

}  // namespace editor
