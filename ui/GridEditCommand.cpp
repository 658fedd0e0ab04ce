#include "ui/GridEditCommand.h"

namespace {

constexpr int kTypingId = 1;

}  // namespace

GridEditCommand::GridEditCommand(const QString& text, std::vector<GridChanges> changes,
                                 std::function<void()> shown, bool typed)
    : QUndoCommand(text), changes_(std::move(changes)), shown_(std::move(shown)), typed_(typed) {}

void GridEditCommand::undo() {
    for (auto it = changes_.rbegin(); it != changes_.rend(); ++it) {
        ApplyBefore(*it->Grid, it->Changes);
    }
    shown_();
}

void GridEditCommand::redo() {
    for (const GridChanges& grid : changes_) {
        ApplyAfter(*grid.Grid, grid.Changes);
    }
    shown_();
}

int GridEditCommand::id() const {
    return typed_ ? kTypingId : -1;
}

bool GridEditCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const GridEditCommand*>(other);
    if (next == nullptr || !next->typed_ || changes_.size() != 1 || next->changes_.size() != 1) {
        return false;
    }
    GridChanges& mine = changes_.front();
    const GridChanges& theirs = next->changes_.front();
    if (mine.Grid != theirs.Grid || mine.Changes.size() != 1 || theirs.Changes.size() != 1) {
        return false;
    }
    CellChange& cell = mine.Changes.front();
    const CellChange& typed = theirs.Changes.front();
    if (cell.Col != typed.Col || cell.Row != typed.Row) {
        return false;
    }
    cell.After = typed.After;
    return true;
}
