#include "ui/FieldEditCommand.h"

namespace {

constexpr int kFieldEditId = 2;

}  // namespace

FieldEditCommand::FieldEditCommand(const QString& text, QString before, QString after, int visit,
                                   std::function<void(const QString&)> show)
    : QUndoCommand(text),
      before_(std::move(before)),
      after_(std::move(after)),
      visit_(visit),
      show_(std::move(show)) {}

void FieldEditCommand::undo() {
    show_(before_);
}

void FieldEditCommand::redo() {
    if (shown_) {
        shown_ = false;
        return;
    }
    show_(after_);
}

int FieldEditCommand::id() const {
    return kFieldEditId;
}

bool FieldEditCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const FieldEditCommand*>(other);
    if (next == nullptr || next->visit_ != visit_) {
        return false;
    }
    after_ = next->after_;
    // Typed and typed away again is no change to undo.
    setObsolete(after_ == before_);
    return true;
}
