#pragma once

#include <optional>

#include "model/TStringGrid.h"
#include "ui/CellBlock.h"

// A rectangle of cells of a grid, in the grid's own columns and rows.
struct CellRange {
    int Left = 0;
    int Top = 0;
    int Right = 0;   // inclusive
    int Bottom = 0;  // inclusive
};

// The texts of the cells in a range, row by row.
CellRows CellsIn(const TStringGrid& grid, const CellRange& range);

// The changes that empty every cell of a range.
CellChanges ClearChanges(const TStringGrid& grid, const CellRange& range);

// The changes that open an empty row at `row`, the rows from there on moving
// down one, from the first to the last data row (firstRow on). Nothing when
// the last row holds text, which would be lost.
std::optional<CellChanges> InsertRowChanges(const TStringGrid& grid, int firstRow, int row);

// The changes that take the rows first to last out, the rows below moving up
// and empty rows coming in at the foot.
CellChanges DeleteRowsChanges(const TStringGrid& grid, int first, int last);
