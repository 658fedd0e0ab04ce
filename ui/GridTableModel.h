#pragma once

#include <QAbstractTableModel>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ui/CellBlock.h"

#include "model/TStringGrid.h"

// Shows a TStringGrid in a Qt item view. The grid's fixed rows and columns
// are not items: the first fixed row becomes the horizontal heading and the
// first fixed column the vertical heading, so the view keeps them in place
// while the data cells scroll. Every edit goes straight into the grid, which
// stays the one place the commands read.
class GridTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    GridTableModel(TStringGrid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // Where the user's edits go: the window keeps them for Undo before it
    // applies them; `typed` marks a keystroke in a cell's editor. Without one
    // an edit is written straight into the grid.
    std::function<void(CellChanges changes, bool typed)> ApplyEdit;
    // Told why an edit was refused (cells that would reach past the grid).
    std::function<void(const std::string&)> RefuseEdit;

    // Puts tab-separated rows into the grid from the view's cell on, or
    // refuses them whole when they do not fit; true when they were put.
    bool PasteRows(const QModelIndex& at, const CellRows& rows);

    // Tells the view about changes made to the grid behind its back (by a
    // command); does nothing when the grid is unchanged since the last call.
    void Refresh();

    // The grid cell shown at a view index.
    int GridCol(int column) const { return column + grid_.FixedCols; }
    int GridRow(int row) const { return row + grid_.FixedRows; }

    TStringGrid& Grid() { return grid_; }

    // Cells to mark (grid column, row), each as long as it keeps the text it
    // had when it was marked; an empty list takes every mark away.
    void MarkCells(const std::vector<std::pair<int, int>>& cells);

  private:
    void Apply(CellChanges changes, bool typed);

    std::map<std::pair<int, int>, std::string> marked_;
    TStringGrid& grid_;
    std::uint64_t shownRevision_ = 0;
};
