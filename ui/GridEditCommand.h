#pragma once

#include <QUndoCommand>
#include <functional>
#include <vector>

#include "model/TStringGrid.h"
#include "ui/CellBlock.h"

// One change of the grids that Undo takes back and Redo makes again: cells
// typed, pasted, cut or cleared, rows inserted or deleted, or what Calculate
// wrote. Keystrokes typed into one cell one after another are one change.
class GridEditCommand : public QUndoCommand {
  public:
    struct GridChanges {
        TStringGrid* Grid;
        CellChanges Changes;
    };

    // `shown` brings the window up to date after every undo and redo.
    GridEditCommand(const QString& text, std::vector<GridChanges> changes,
                    std::function<void()> shown, bool typed);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

  private:
    std::vector<GridChanges> changes_;
    std::function<void()> shown_;
    bool typed_;
};
