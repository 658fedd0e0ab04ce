#pragma once

#include <array>
#include <string>
#include <vector>

// One cutting task as the job file stores it: the title, the three input rows
// of the bar settings, the Auto Item Number option and every cell of the cut
// list's data rows. Texts are single-byte and kept exactly as typed.
struct Job {
    static constexpr int DataRows = 499;  // cut list rows 1 to 499
    static constexpr int Columns = 5;     // " Qty" to "* Sub Total"
    static constexpr int BarSettingRows = 3;
    // Title, bar settings, flag, then one line per cell.
    static constexpr int LineCount = 1 + BarSettingRows + 1 + DataRows * Columns;

    std::string Title;
    std::array<std::string, BarSettingRows> BarSettings;  // bar length, cut width, scrap below
    bool AutoItemNumber = false;
    std::vector<std::string> Cells = std::vector<std::string>(DataRows * Columns);

    // The cell of data row 1..DataRows and column 0..Columns-1.
    std::string& Cell(int dataRow, int column) { return Cells.at(Index(dataRow, column)); }
    const std::string& Cell(int dataRow, int column) const {
        return Cells.at(Index(dataRow, column));
    }

    bool operator==(const Job&) const = default;

  private:
    static std::size_t Index(int dataRow, int column) {
        return static_cast<std::size_t>((dataRow - 1) * Columns + column);
    }
};
