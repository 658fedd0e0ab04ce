#include "ui/GridTableModel.h"

#include <QColor>

#include "diagram/Latin1.h"

GridTableModel::GridTableModel(TStringGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), shownRevision_(grid.Revision()) {}

int GridTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    return std::max(0, grid_.RowCount() - grid_.FixedRows);
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    return std::max(0, grid_.ColCount() - grid_.FixedCols);
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (index.isValid() && role == Qt::BackgroundRole && !marked_.empty()) {
        const std::pair<int, int> cell{GridCol(index.column()), GridRow(index.row())};
        const auto mark = marked_.find(cell);
        if (mark != marked_.end() && mark->second == grid_.Cells(cell.first, cell.second)) {
            return QColor(0xFF, 0xD8, 0x80);
        }
        return {};
    }
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    return ToQString(grid_.Cells(GridCol(index.column()), GridRow(index.row())));
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Horizontal) {
        return grid_.FixedRows > 0 ? ToQString(grid_.Cells(GridCol(section), 0)) : QString();
    }
    return grid_.FixedCols > 0 ? ToQString(grid_.Cells(0, GridRow(section))) : QString();
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool GridTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) {
        return false;
    }
    const std::string text = ToLatin1(value.toString());
    if (HoldsCellBreaks(text)) {
        // Rows pasted into the cell editor: spread over the cells, as no cell
        // may hold a tab or a line break (a job file keeps one cell a line).
        const bool pasted = PasteRows(index, ParseCellRows(text));
        if (!pasted) {
            // The editor shows the cell again, not the text refused.
            emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
        }
        return pasted;
    }
    const int col = GridCol(index.column());
    const int row = GridRow(index.row());
    Apply({{col, row, grid_.Cells(col, row), text}}, true);
    return true;
}

bool GridTableModel::PasteRows(const QModelIndex& at, const CellRows& rows) {
    if (!at.isValid()) {
        return false;
    }
    std::optional<CellChanges> changes =
        PasteChanges(grid_, GridCol(at.column()), GridRow(at.row()), rows);
    if (!changes) {
        if (RefuseEdit) {
            RefuseEdit(
                "The cells pasted do not fit into the grid from this cell on; nothing "
                "was pasted.");
        }
        return false;
    }
    Apply(std::move(*changes), false);
    return true;
}

void GridTableModel::Apply(CellChanges changes, bool typed) {
    std::erase_if(changes, [](const CellChange& change) { return change.Before == change.After; });
    if (changes.empty()) {
        return;
    }
    if (ApplyEdit) {
        ApplyEdit(std::move(changes), typed);
    } else {
        ApplyAfter(grid_, changes);
    }
    Refresh();
}

void GridTableModel::MarkCells(const std::vector<std::pair<int, int>>& cells) {
    marked_.clear();
    for (const auto& [col, row] : cells) {
        marked_[{col, row}] = grid_.Cells(col, row);
    }
    if (rowCount() > 0 && columnCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::BackgroundRole});
    }
}

void GridTableModel::Refresh() {
    if (grid_.Revision() == shownRevision_) {
        return;
    }
    shownRevision_ = grid_.Revision();
    if (rowCount() > 0 && columnCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::DisplayRole, Qt::EditRole});
    }
    if (columnCount() > 0) {
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    }
    if (rowCount() > 0) {
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    }
}
