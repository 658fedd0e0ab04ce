#include "core/WindowLayout.h"

#include <array>

#include "model/GridLayout.h"

namespace {

constexpr std::array<int, kCutListColumns> kCutListWidths = {40, 65, 40, 100, 70};
constexpr std::array<int, kBarSettingsColumns> kBarSettingsWidths = {85, 55};

}  // namespace

void WriteGridHeadings(TStringGrid& cutList, TStringGrid& barSettings) {
    for (int col = 0; col < kCutListColumns; ++col) {
        cutList.SetCells(col, kHeadingRow, kCutListHeadings[static_cast<std::size_t>(col)]);
    }
    cutList.ColWidths.assign(kCutListWidths.begin(), kCutListWidths.end());
    for (int row = 0; row < kBarSettingsRows; ++row) {
        barSettings.SetCells(kLabelColumn, row, kBarSettingsLabels[static_cast<std::size_t>(row)]);
    }
    barSettings.ColWidths.assign(kBarSettingsWidths.begin(), kBarSettingsWidths.end());
}

void LayOutSorter(TSortAStringGrid& sorter, TStringGrid& cutList) {
    sorter.GridToSort = &cutList;
    sorter.StartIndex = kFirstDataRow;
    sorter.EndIndex = kFirstDataRow;
    sorter.SortIndex = kDecLenColumn;
    sorter.SortType = ToSortType::Numeric;
    sorter.SortDirection = SortDirType::Descending;
    sorter.HowToSort = ::SortType::Row;
    sorter.ShowMessageOnError = false;
}
