#include "core/WindowLayout.h"

#include <array>

#include "core/GridColumns.h"

namespace {

constexpr std::array<const char*, 5> kCutListHeadings = {" Qty", " Length", " Item #", "* Dec Len",
                                                         "* Sub Total"};
constexpr std::array<int, 5> kCutListWidths = {40, 65, 40, 100, 70};
constexpr std::array<const char*, 5> kBarSettingsLabels = {
    " Bar Length", " Cut Width", " Scrap Below", " Used Rows", " Last Err"};
constexpr std::array<int, 2> kBarSettingsWidths = {85, 55};

}  // namespace

void WriteGridHeadings(TStringGrid& cutList, TStringGrid& barSettings) {
    for (int col = 0; col < static_cast<int>(kCutListHeadings.size()); ++col) {
        cutList.SetCells(col, 0, kCutListHeadings[static_cast<std::size_t>(col)]);
    }
    cutList.ColWidths.assign(kCutListWidths.begin(), kCutListWidths.end());
    for (int row = 0; row < static_cast<int>(kBarSettingsLabels.size()); ++row) {
        barSettings.SetCells(0, row, kBarSettingsLabels[static_cast<std::size_t>(row)]);
    }
    barSettings.ColWidths.assign(kBarSettingsWidths.begin(), kBarSettingsWidths.end());
}

void LayOutSorter(TSortAStringGrid& sorter, TStringGrid& cutList) {
    sorter.GridToSort = &cutList;
    sorter.StartIndex = 1;
    sorter.EndIndex = 1;
    sorter.SortIndex = kDecLenColumn;
    sorter.SortType = ToSortType::Numeric;
    sorter.SortDirection = SortDirType::Descending;
    sorter.HowToSort = ::SortType::Row;
    sorter.ShowMessageOnError = false;
}
