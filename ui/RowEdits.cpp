#include "ui/RowEdits.h"

#include <algorithm>

namespace {

// The changes between the grid and the same grid with its rows from
// firstRow on replaced by `rows`.
CellChanges RowsChanges(const TStringGrid& grid, int firstRow,
                        const std::vector<std::vector<std::string>>& rows) {
    CellChanges changes;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = firstRow + static_cast<int>(i);
        for (int col = 0; col < grid.ColCount(); ++col) {
            const std::string& before = grid.Cells(col, row);
            if (before != rows[i][static_cast<std::size_t>(col)]) {
                changes.push_back({col, row, before, rows[i][static_cast<std::size_t>(col)]});
            }
        }
    }
    return changes;
}

std::vector<std::vector<std::string>> RowsFrom(const TStringGrid& grid, int firstRow) {
    std::vector<std::vector<std::string>> rows;
    for (int row = std::max(firstRow, 0); row < grid.RowCount(); ++row) {
        rows.push_back(grid.Rows(row));
    }
    return rows;
}

}  // namespace

CellRows CellsIn(const TStringGrid& grid, const CellRange& range) {
    CellRows rows;
    for (int row = range.Top; row <= range.Bottom; ++row) {
        std::vector<std::string>& cells = rows.emplace_back();
        for (int col = range.Left; col <= range.Right; ++col) {
            cells.push_back(grid.Cells(col, row));
        }
    }
    return rows;
}

CellChanges ClearChanges(const TStringGrid& grid, const CellRange& range) {
    CellChanges changes;
    for (int row = range.Top; row <= range.Bottom; ++row) {
        for (int col = range.Left; col <= range.Right; ++col) {
            if (!grid.Cells(col, row).empty()) {
                changes.push_back({col, row, grid.Cells(col, row), std::string()});
            }
        }
    }
    return changes;
}

std::optional<CellChanges> InsertRowChanges(const TStringGrid& grid, int firstRow, int row) {
    if (row < firstRow || row >= grid.RowCount()) {
        return std::nullopt;
    }
    const std::vector<std::string> last = grid.Rows(grid.RowCount() - 1);
    if (std::any_of(last.begin(), last.end(), [](const std::string& s) { return !s.empty(); })) {
        return std::nullopt;
    }
    std::vector<std::vector<std::string>> rows = RowsFrom(grid, row);
    rows.pop_back();
    rows.insert(rows.begin(), std::vector<std::string>(static_cast<std::size_t>(grid.ColCount())));
    return RowsChanges(grid, row, rows);
}

CellChanges DeleteRowsChanges(const TStringGrid& grid, int first, int last) {
    if (first < 0 || last < first || first >= grid.RowCount()) {
        return {};
    }
    last = std::min(last, grid.RowCount() - 1);
    std::vector<std::vector<std::string>> rows = RowsFrom(grid, first);
    const auto taken = static_cast<std::ptrdiff_t>(last - first + 1);
    rows.erase(rows.begin(), rows.begin() + taken);
    rows.resize(rows.size() + static_cast<std::size_t>(taken),
                std::vector<std::string>(static_cast<std::size_t>(grid.ColCount())));
    return RowsChanges(grid, first, rows);
}
