#include "ui/CellBlock.h"

bool HoldsCellBreaks(std::string_view text) {
    return text.find_first_of("\t\r\n") != std::string_view::npos;
}

CellRows ParseCellRows(std::string_view text) {
    CellRows rows;
    std::vector<std::string> row;
    std::string cell;
    bool rowOpen = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            row.push_back(std::move(cell));
            rows.push_back(std::move(row));
            cell.clear();
            row.clear();
            rowOpen = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else if (c == '\t') {
            row.push_back(std::move(cell));
            cell.clear();
            rowOpen = true;
        } else {
            cell.push_back(c);
            rowOpen = true;
        }
    }
    if (rowOpen) {
        row.push_back(std::move(cell));
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string FormatCellRows(const CellRows& rows) {
    std::string text;
    for (const std::vector<std::string>& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) {
                text += '\t';
            }
            text += row[i];
        }
        text += '\n';
    }
    return text;
}

std::optional<CellChanges> PasteChanges(const TStringGrid& grid, int col, int row,
                                        const CellRows& rows) {
    CellChanges changes;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const int targetCol = col + static_cast<int>(c);
            const int targetRow = row + static_cast<int>(r);
            if (targetCol >= grid.ColCount() || targetRow >= grid.RowCount()) {
                return std::nullopt;
            }
            changes.push_back({targetCol, targetRow, grid.Cells(targetCol, targetRow), rows[r][c]});
        }
    }
    return changes;
}

void ApplyAfter(TStringGrid& grid, const CellChanges& changes) {
    for (const CellChange& change : changes) {
        grid.SetCells(change.Col, change.Row, change.After);
    }
}

void ApplyBefore(TStringGrid& grid, const CellChanges& changes) {
    // Backwards, so a cell changed twice gets its first text back.
    for (auto it = changes.rbegin(); it != changes.rend(); ++it) {
        grid.SetCells(it->Col, it->Row, it->Before);
    }
}

std::vector<std::string> CellsOf(const TStringGrid& grid) {
    std::vector<std::string> cells;
    cells.reserve(static_cast<std::size_t>(grid.ColCount()) *
                  static_cast<std::size_t>(grid.RowCount()));
    for (int row = 0; row < grid.RowCount(); ++row) {
        for (int col = 0; col < grid.ColCount(); ++col) {
            cells.push_back(grid.Cells(col, row));
        }
    }
    return cells;
}

CellChanges ChangesSince(const std::vector<std::string>& before, const TStringGrid& grid) {
    CellChanges changes;
    std::size_t i = 0;
    for (int row = 0; row < grid.RowCount(); ++row) {
        for (int col = 0; col < grid.ColCount(); ++col, ++i) {
            const std::string& now = grid.Cells(col, row);
            const std::string& then = i < before.size() ? before[i] : std::string();
            if (now != then) {
                changes.push_back({col, row, then, now});
            }
        }
    }
    return changes;
}
