#include "core/JobModels.h"

#include <array>

namespace {

constexpr std::array<const char*, JobModels::CutListColumns> CutListHeadings = {
    " Qty", " Length", " Item #", "* Dec Len", "* Sub Total"};
constexpr std::array<int, JobModels::CutListColumns> CutListWidths = {40, 65, 40, 100, 70};
constexpr std::array<const char*, JobModels::BarSettingsRows> BarSettingsLabels = {
    " Bar Length", " Cut Width", " Scrap Below", " Used Rows", " Last Err"};
constexpr std::array<int, JobModels::BarSettingsColumns> BarSettingsWidths = {85, 55};

}  // namespace

JobModels::JobModels()
    : Owner(nullptr),
      CutList(&Owner, CutListColumns, CutListRows),
      BarSettings(&Owner, BarSettingsColumns, BarSettingsRows),
      Sorter(&Owner) {
    CutList.FixedRows = 1;
    CutList.FixedCols = 0;
    for (int column = 0; column < CutListColumns; ++column) {
        CutList.SetCells(column, 0, CutListHeadings[column]);
    }
    CutList.ColWidths.assign(CutListWidths.begin(), CutListWidths.end());

    BarSettings.FixedRows = 0;
    BarSettings.FixedCols = 1;
    for (int row = 0; row < BarSettingsRows; ++row) {
        BarSettings.SetCells(0, row, BarSettingsLabels[row]);
    }
    BarSettings.ColWidths.assign(BarSettingsWidths.begin(), BarSettingsWidths.end());

    Sorter.GridToSort = &CutList;
    Sorter.StartIndex = 1;
    Sorter.EndIndex = 1;
    Sorter.SortIndex = 3;
    Sorter.SortType = ToSortType::Numeric;
    Sorter.SortDirection = SortDirType::Descending;
}
