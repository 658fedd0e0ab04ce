#include "model/TStringGrid.h"

#include <algorithm>

namespace {
const std::string kEmpty;
}

TStringGrid::TStringGrid(TComponent* owner, int colCount, int rowCount) : TComponent(owner) {
    Resize(colCount, rowCount);
    ColWidths.assign(static_cast<std::size_t>(colCount_), 64);
}

void TStringGrid::SetColCount(int count) {
    Resize(count, rowCount_);
    ColWidths.resize(static_cast<std::size_t>(colCount_), 64);
}

void TStringGrid::SetRowCount(int count) {
    Resize(colCount_, count);
}

void TStringGrid::Resize(int colCount, int rowCount) {
    colCount = std::max(colCount, 0);
    rowCount = std::max(rowCount, 0);
    std::vector<std::string> resized(static_cast<std::size_t>(colCount) *
                                     static_cast<std::size_t>(rowCount));
    for (int row = 0; row < std::min(rowCount, rowCount_); ++row) {
        for (int col = 0; col < std::min(colCount, colCount_); ++col) {
            resized[static_cast<std::size_t>(row) * colCount + col] =
                std::move(cells_[static_cast<std::size_t>(row) * colCount_ + col]);
        }
    }
    cells_ = std::move(resized);
    colCount_ = colCount;
    rowCount_ = rowCount;
    ++revision_;
}

bool TStringGrid::Contains(int col, int row) const {
    return col >= 0 && row >= 0 && col < colCount_ && row < rowCount_;
}

const std::string& TStringGrid::Cells(int col, int row) const {
    if (!Contains(col, row)) {
        return kEmpty;
    }
    return cells_[static_cast<std::size_t>(row) * colCount_ + col];
}

void TStringGrid::SetCells(int col, int row, std::string text) {
    if (!Contains(col, row)) {
        return;
    }
    cells_[static_cast<std::size_t>(row) * colCount_ + col] = std::move(text);
    ++revision_;
}

TStringGrid::TStrings TStringGrid::Rows(int row) const {
    TStrings texts;
    texts.reserve(static_cast<std::size_t>(colCount_));
    for (int col = 0; col < colCount_; ++col) {
        texts.push_back(Cells(col, row));
    }
    return texts;
}

TStringGrid::TStrings TStringGrid::Cols(int col) const {
    TStrings texts;
    texts.reserve(static_cast<std::size_t>(rowCount_));
    for (int row = 0; row < rowCount_; ++row) {
        texts.push_back(Cells(col, row));
    }
    return texts;
}

void TStringGrid::SetRows(int row, const TStrings& texts) {
    for (int col = 0; col < colCount_; ++col) {
        const auto index = static_cast<std::size_t>(col);
        SetCells(col, row, index < texts.size() ? texts[index] : std::string());
    }
}

void TStringGrid::SetCols(int col, const TStrings& texts) {
    for (int row = 0; row < rowCount_; ++row) {
        const auto index = static_cast<std::size_t>(row);
        SetCells(col, row, index < texts.size() ? texts[index] : std::string());
    }
}
