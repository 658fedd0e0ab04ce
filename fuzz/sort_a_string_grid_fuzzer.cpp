// Feeds arbitrary settings and cell texts to the grid sorter. Every call must
// either refuse and leave the grid alone, fail a numeric sort with
// EConvertError and leave the grid alone, or leave a permutation of the
// range's lines with everything outside the range untouched.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/Exceptions.h"
#include "model/TComponent.h"
#include "model/TStringGrid.h"
#include "sorter/SASG.h"

namespace {

using Lines = std::vector<TStringGrid::TStrings>;

Lines LinesOf(const TStringGrid& grid, bool byColumn) {
    Lines lines;
    const int count = byColumn ? grid.ColCount() : grid.RowCount();
    for (int k = 0; k < count; ++k) {
        lines.push_back(byColumn ? grid.Cols(k) : grid.Rows(k));
    }
    return lines;
}

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Eleven bytes of settings, then the cell texts separated by newlines.
    if (size < 11) {
        return 0;
    }
    const auto signedByte = [&](std::size_t i) { return static_cast<std::int8_t>(data[i]); };
    TComponent owner;
    const int cols = data[0] % 6;
    const int rows = data[1] % 24;
    TStringGrid grid(&owner, cols, rows);
    const std::string cells(reinterpret_cast<const char*>(data) + 11, size - 11);
    std::size_t start = 0;
    for (int cell = 0; cell < cols * rows && start <= cells.size(); ++cell) {
        const std::size_t end = std::min(cells.find('\n', start), cells.size());
        grid.SetCells(cell % std::max(cols, 1), cell / std::max(cols, 1),
                      cells.substr(start, end - start));
        start = end + 1;
    }

    TSortAStringGrid sorter(&owner);
    sorter.GridToSort = &grid;
    sorter.HowToSort = data[2] & 1 ? SortType::Column : SortType::Row;
    sorter.SortType = static_cast<ToSortType>(data[2] / 2 % 3);
    sorter.CaseSensitiv = (data[2] & 8) != 0;
    sorter.SortDirection = data[2] & 16 ? SortDirType::Descending : SortDirType::Ascending;
    sorter.StartIndex = signedByte(3);
    sorter.EndIndex = signedByte(4);
    sorter.SortIndex = signedByte(5);
    sorter.DecimalSeparator = static_cast<char>(data[6]);
    sorter.DateSettings.DateSeparator = static_cast<char>(data[7]);
    sorter.DateSettings.CurrentYear = signedByte(8) * 100 + data[9];
    const char* const kFormats[] = {"dd/MM/yyyy", "MM/dd/yy", "yyyy-MM-dd", "ggee/MM/dd", ""};
    sorter.DateSettings.ShortDateFormat = kFormats[data[10] % 5];

    const bool byColumn = sorter.HowToSort == SortType::Column;
    const ToSortType typeBefore = sorter.SortType;
    const Lines before = LinesOf(grid, byColumn);
    bool sorted = false;
    try {
        sorted = sorter.Sort();
    } catch (const EConvertError&) {
        Require(typeBefore == ToSortType::Numeric);
        Require(LinesOf(grid, byColumn) == before);
        return 0;
    }
    Require(sorted == (sorter.ErrorCode() <= 0));
    Require(!sorter.ErrorMessage().empty());
    Lines after = LinesOf(grid, byColumn);
    if (!sorted) {
        Require(after == before);
        return 0;
    }
    for (int k = 0; k < static_cast<int>(before.size()); ++k) {
        if (k < sorter.StartIndex || k > sorter.EndIndex) {
            Require(after[static_cast<std::size_t>(k)] == before[static_cast<std::size_t>(k)]);
        }
    }
    Lines was = before;
    std::sort(was.begin(), was.end());
    std::sort(after.begin(), after.end());
    Require(after == was);
    return 0;
}
