#include "core/job/CalculationSnapshot.h"

namespace {

std::vector<TStringGrid::TStrings> ColumnsOf(const TStringGrid& grid) {
    std::vector<TStringGrid::TStrings> columns;
    columns.reserve(static_cast<std::size_t>(grid.ColCount()));
    for (int col = 0; col < grid.ColCount(); ++col) {
        columns.push_back(grid.Cols(col));
    }
    return columns;
}

// Only the cells that differ are written, so a grid left as it was keeps its
// revision and its view is not redrawn.
void PutBack(const std::vector<TStringGrid::TStrings>& columns, TStringGrid& grid) {
    for (int col = 0; col < grid.ColCount() && col < static_cast<int>(columns.size()); ++col) {
        const TStringGrid::TStrings& texts = columns[static_cast<std::size_t>(col)];
        for (int row = 0; row < grid.RowCount() && row < static_cast<int>(texts.size()); ++row) {
            const std::string& text = texts[static_cast<std::size_t>(row)];
            if (grid.Cells(col, row) != text) {
                grid.SetCells(col, row, text);
            }
        }
    }
}

}  // namespace

CalculationSnapshot::CalculationSnapshot(const CalculationModels& models,
                                         const TSortAStringGrid& sorter)
    : cutList_(ColumnsOf(models.CutList)),
      barSettings_(ColumnsOf(models.BarSettings)),
      report_(models.Report.All()),
      startIndex_(sorter.StartIndex),
      endIndex_(sorter.EndIndex),
      sortIndex_(sorter.SortIndex),
      sortType_(sorter.SortType),
      sortDirection_(sorter.SortDirection) {}

void CalculationSnapshot::Restore(CalculationModels models, TSortAStringGrid& sorter) const {
    PutBack(cutList_, models.CutList);
    PutBack(barSettings_, models.BarSettings);
    if (models.Report.All() != report_) {
        models.Report.Assign(report_);
    }
    sorter.StartIndex = startIndex_;
    sorter.EndIndex = endIndex_;
    sorter.SortIndex = sortIndex_;
    sorter.SortType = sortType_;
    sorter.SortDirection = sortDirection_;
}
