#pragma once

#include <QAbstractTableModel>
#include <cstdint>

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

    // Tells the view about changes made to the grid behind its back (by a
    // command); does nothing when the grid is unchanged since the last call.
    void Refresh();

    // The grid cell shown at a view index.
    int GridCol(int column) const { return column + grid_.FixedCols; }
    int GridRow(int row) const { return row + grid_.FixedRows; }

  private:
    TStringGrid& grid_;
    std::uint64_t shownRevision_ = 0;
};
