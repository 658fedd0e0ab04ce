#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/TStringGrid.h"

// Cells as a spreadsheet or a text editor hands them over: rows ended by line
// breaks, cells within a row separated by tabs.
using CellRows = std::vector<std::vector<std::string>>;

// True when a text holds a tab or a line break, which no grid cell may hold.
bool HoldsCellBreaks(std::string_view text);

// The rows of a tab-separated text; CR LF, LF and CR all end a row, and a
// line break at the very end closes the last row rather than opening one.
CellRows ParseCellRows(std::string_view text);

// The rows as tab-separated text, each row ended by a line break.
std::string FormatCellRows(const CellRows& rows);

// One cell of a grid as an edit changes it.
struct CellChange {
    int Col = 0;
    int Row = 0;
    std::string Before;
    std::string After;
};
using CellChanges = std::vector<CellChange>;

// The changes that put the rows into a grid from the cell (col, row) on;
// nothing when they reach past the grid's last column or row.
std::optional<CellChanges> PasteChanges(const TStringGrid& grid, int col, int row,
                                        const CellRows& rows);

// Writes each change's After (Before) text; cells outside the grid are left
// alone, as the grid ignores them.
void ApplyAfter(TStringGrid& grid, const CellChanges& changes);
void ApplyBefore(TStringGrid& grid, const CellChanges& changes);

// Every cell of a grid, row after row, to compare the grid with later.
std::vector<std::string> CellsOf(const TStringGrid& grid);

// The cells that differ between what CellsOf gave earlier and the grid now.
CellChanges ChangesSince(const std::vector<std::string>& before, const TStringGrid& grid);
