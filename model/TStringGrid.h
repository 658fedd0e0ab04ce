#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/TComponent.h"

// A grid of text cells addressed as (column, row), both counted from 0.
// Texts are single-byte (Latin-1). Reading outside the grid gives an empty
// text; writing outside it is ignored, so no caller can corrupt memory with a
// stray index.
class TStringGrid : public TComponent {
  public:
    using TStrings = std::vector<std::string>;

    TStringGrid(TComponent* owner, int colCount, int rowCount);

    int ColCount() const { return colCount_; }
    int RowCount() const { return rowCount_; }
    // Resizing keeps the texts of the cells that remain.
    void SetColCount(int count);
    void SetRowCount(int count);

    const std::string& Cells(int col, int row) const;
    void SetCells(int col, int row, std::string text);

    // A whole row as one text per column, and a whole column as one per row.
    TStrings Rows(int row) const;
    TStrings Cols(int col) const;
    // Replaces a whole row (column) cell by cell; missing entries give empty cells.
    void SetRows(int row, const TStrings& texts);
    void SetCols(int col, const TStrings& texts);

    // Layout kept with the grid so the window can apply it.
    int FixedRows = 0;
    int FixedCols = 0;
    std::vector<int> ColWidths;

    // Rises with every change of a cell, so a view can tell when to refresh.
    std::uint64_t Revision() const { return revision_; }

  private:
    bool Contains(int col, int row) const;
    void Resize(int colCount, int rowCount);

    int colCount_ = 0;
    int rowCount_ = 0;
    std::vector<std::string> cells_;  // row-major
    std::uint64_t revision_ = 0;
};
