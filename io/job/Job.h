#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/GridLayout.h"

// One cutting task as the job file stores it: the title, the three input rows
// of the bar settings, the Auto Item Number option and every cell of the cut
// list's data rows. Texts are single-byte and kept exactly as typed.
struct Job {
    // Title, bar settings, flag, then one line per cell.
    static constexpr int kLineCount =
        1 + kBarSettingsInputRows + 1 + kCutListDataRows * kCutListColumns;

    std::string Title;
    // Bar length, cut width, scrap below.
    std::array<std::string, kBarSettingsInputRows> BarSettings;
    bool AutoItemNumber = false;
    std::vector<std::string> Cells = std::vector<std::string>(kCutListDataRows * kCutListColumns);

    // The cell of a data row (kFirstDataRow on) and a column of the cut list.
    std::string& Cell(int dataRow, int column) { return Cells.at(Index(dataRow, column)); }
    const std::string& Cell(int dataRow, int column) const {
        return Cells.at(Index(dataRow, column));
    }

    bool operator==(const Job&) const = default;

  private:
    static std::size_t Index(int dataRow, int column) {
        return static_cast<std::size_t>((dataRow - kFirstDataRow) * kCutListColumns + column);
    }
};
