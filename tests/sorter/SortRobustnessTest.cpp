#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "model/Exceptions.h"
#include "model/TComponent.h"
#include "model/TStringGrid.h"
#include "sorter/SASG.h"

namespace {

std::string RandomBytes(std::mt19937& random) {
    const int length =
        std::uniform_int_distribution<int>(0, 255)(random) % (random() % 2 ? 4 : 256);
    std::string text;
    for (int i = 0; i < length; ++i) {
        text.push_back(static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random)));
    }
    return text;
}

std::vector<TStringGrid::TStrings> AllRows(const TStringGrid& grid) {
    std::vector<TStringGrid::TStrings> rows;
    for (int row = 0; row < grid.RowCount(); ++row) {
        rows.push_back(grid.Rows(row));
    }
    return rows;
}

// Any cell text (control bytes, bytes above 127, 255 characters) and any
// settings leave a permutation of the range's rows and the rest untouched.
TEST(SortRobustness, AnyTextAndSettingsKeepTheRowsWhole) {
    std::mt19937 random(7);
    const char* const kSeeds[] = {"", " ", "$1F", "  -12", "1/2/2020", "\x01\x02", "\xff"};
    for (int round = 0; round < 400; ++round) {
        TComponent owner;
        const int cols = std::uniform_int_distribution<int>(0, 4)(random);
        const int rows = std::uniform_int_distribution<int>(0, 12)(random);
        TStringGrid grid(&owner, cols, rows);
        for (int row = 0; row < rows; ++row) {
            for (int col = 0; col < cols; ++col) {
                grid.SetCells(col, row, random() % 3 ? RandomBytes(random) : kSeeds[random() % 7]);
            }
        }
        TSortAStringGrid sorter(&owner);
        sorter.GridToSort = &grid;
        sorter.HowToSort = random() % 2 ? SortType::Row : SortType::Column;
        sorter.StartIndex = std::uniform_int_distribution<int>(-2, 13)(random);
        sorter.EndIndex = std::uniform_int_distribution<int>(-2, 14)(random);
        sorter.SortIndex = std::uniform_int_distribution<int>(-1, 5)(random);
        sorter.SortType = static_cast<ToSortType>(random() % 3);
        sorter.CaseSensitiv = random() % 2 == 0;
        sorter.SortDirection = random() % 2 ? SortDirType::Ascending : SortDirType::Descending;
        sorter.DecimalSeparator = static_cast<char>(random() % 256);
        sorter.DateSettings = {RandomBytes(random), static_cast<char>(random() % 256),
                               std::uniform_int_distribution<int>(-20000, 20000)(random)};

        const auto before = AllRows(grid);
        bool sorted = false;
        try {
            sorted = sorter.Sort();
        } catch (const EConvertError&) {
            EXPECT_EQ(AllRows(grid), before);
            continue;
        }
        EXPECT_EQ(sorted, sorter.ErrorCode() <= 0);
        EXPECT_FALSE(sorter.ErrorMessage().empty());
        auto after = AllRows(grid);
        if (!sorted) {
            EXPECT_EQ(after, before);
            continue;
        }
        // Compare as rows in row mode, as columns in column mode.
        auto lines = [&](const std::vector<TStringGrid::TStrings>& byRow) {
            std::vector<TStringGrid::TStrings> result;
            const int count = sorter.HowToSort == SortType::Row ? rows : cols;
            for (int k = 0; k < count; ++k) {
                TStringGrid::TStrings line;
                if (sorter.HowToSort == SortType::Row) {
                    line = byRow[static_cast<std::size_t>(k)];
                } else {
                    for (int row = 0; row < rows; ++row) {
                        line.push_back(
                            byRow[static_cast<std::size_t>(row)][static_cast<std::size_t>(k)]);
                    }
                }
                result.push_back(line);
            }
            return result;
        };
        auto was = lines(before);
        auto now = lines(after);
        for (int k = 0; k < static_cast<int>(was.size()); ++k) {
            if (k < sorter.StartIndex || k > sorter.EndIndex) {
                EXPECT_EQ(now[static_cast<std::size_t>(k)], was[static_cast<std::size_t>(k)]);
            }
        }
        std::sort(was.begin(), was.end());
        std::sort(now.begin(), now.end());
        EXPECT_EQ(now, was) << "round " << round;
    }
}

// The range is not limited to 65535 entries: a longer one sorts completely.
TEST(SortRobustness, RangesBeyondSixteenBitsSortCompletely) {
    TComponent owner;
    const int rows = 70001;
    TStringGrid grid(&owner, 2, rows);
    std::mt19937 random(11);
    for (int row = 0; row < rows; ++row) {
        grid.SetCells(0, row, std::to_string(random() % 100000));
        grid.SetCells(1, row, std::to_string(row));
    }
    TSortAStringGrid sorter(&owner);
    sorter.GridToSort = &grid;
    sorter.StartIndex = 0;
    sorter.EndIndex = rows - 1;
    sorter.SortType = ToSortType::Numeric;
    sorter.SortDirection = SortDirType::Descending;
    ASSERT_TRUE(sorter.Sort());
    EXPECT_EQ(sorter.ErrorCode(), 0);
    std::vector<bool> seen(rows, false);
    for (int row = 0; row < rows; ++row) {
        if (row > 0) {
            ASSERT_GE(std::stoi(grid.Cells(0, row - 1)), std::stoi(grid.Cells(0, row)));
        }
        seen[static_cast<std::size_t>(std::stoi(grid.Cells(1, row)))] = true;
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), true), rows);
}

// Sorted inputs and organ-pipe shapes are the classic deep cases of a
// partition sort; they must neither overflow the stack nor lose rows.
TEST(SortRobustness, ShapedInputsSortCompletely) {
    for (int shape = 0; shape < 3; ++shape) {
        TComponent owner;
        const int rows = 60000;
        TStringGrid grid(&owner, 1, rows);
        for (int row = 0; row < rows; ++row) {
            const int key = shape == 0 ? row : shape == 1 ? rows - row : std::min(row, rows - row);
            grid.SetCells(0, row, std::to_string(key));
        }
        TSortAStringGrid sorter(&owner);
        sorter.GridToSort = &grid;
        sorter.EndIndex = rows - 1;
        sorter.SortType = ToSortType::Character;
        ASSERT_TRUE(sorter.Sort());
        for (int row = 1; row < rows; ++row) {
            ASSERT_LE(grid.Cells(0, row - 1), grid.Cells(0, row)) << "shape " << shape;
        }
    }
}

}  // namespace
