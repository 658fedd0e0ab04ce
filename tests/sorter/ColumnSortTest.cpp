#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "model/TComponent.h"
#include "model/TStringGrid.h"
#include "sorter/SASG.h"

namespace {

// A grid of 3 rows and 10 columns: row 0 holds the keys, rows 1 and 2 tags
// that show each column moved whole.
std::vector<std::string> ColumnNames(const TStringGrid& grid) {
    std::vector<std::string> names;
    for (int col = 0; col < grid.ColCount(); ++col) {
        names.push_back(grid.Cells(col, 1));
    }
    return names;
}

struct ColumnGrid {
    TComponent owner;
    TStringGrid grid{&owner, 10, 3};
    TSortAStringGrid sorter{&owner};

    ColumnGrid() {
        const char* keys[] = {"head", "g", "c", "i", "a", "e", "b", "h", "d", "f"};
        for (int col = 0; col < 10; ++col) {
            grid.SetCols(col, {keys[col], "c" + std::to_string(col), "x" + std::to_string(col)});
        }
        grid.FixedRows = 1;
        sorter.GridToSort = &grid;
        sorter.HowToSort = SortType::Column;
        sorter.StartIndex = 1;
        sorter.EndIndex = 9;
        sorter.SortIndex = 0;
    }
};

struct ColumnCheckCase {
    const char* name;
    int start;
    int end;
    int sortIndex;
    int code;
};

const ColumnCheckCase kColumnChecks[] = {
    {"WholeRangeAccepted", 1, 9, 0, 0},    {"EndPastLastColumn", 1, 10, 0, 5},
    {"StartPastLastColumn", 10, 12, 0, 4}, {"SortRowPastLastRow", 1, 9, 3, 7},
    {"LastRowAsKeyAccepted", 1, 9, 2, 0},  {"NegativeSortRow", 1, 9, -1, 6},
};

class ColumnChecks : public testing::TestWithParam<ColumnCheckCase> {};

TEST_P(ColumnChecks, CountColumnsForTheRangeAndRowsForTheKey) {
    const ColumnCheckCase& c = GetParam();
    ColumnGrid g;
    g.sorter.StartIndex = c.start;
    g.sorter.EndIndex = c.end;
    g.sorter.SortIndex = c.sortIndex;
    EXPECT_EQ(g.sorter.Sort(), c.code == 0);
    EXPECT_EQ(g.sorter.ErrorCode(), c.code);
}

INSTANTIATE_TEST_SUITE_P(Sorter, ColumnChecks, testing::ValuesIn(kColumnChecks),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ColumnSort, MovesWholeColumnsInsideTheRangeOnly) {
    ColumnGrid g;
    EXPECT_TRUE(g.sorter.Sort());
    EXPECT_EQ(ColumnNames(g.grid), (std::vector<std::string>{"c0", "c4", "c6", "c2", "c8", "c5",
                                                             "c9", "c1", "c7", "c3"}));
    for (int col = 0; col < 10; ++col) {
        const std::string from = g.grid.Cells(col, 1).substr(1);
        EXPECT_EQ(g.grid.Cells(col, 2), "x" + from);
    }
    EXPECT_EQ(g.grid.Cells(0, 0), "head");

    // A narrower range leaves the columns after it alone.
    ColumnGrid narrow;
    narrow.sorter.EndIndex = 5;
    narrow.sorter.SortDirection = SortDirType::Descending;
    EXPECT_TRUE(narrow.sorter.Sort());
    EXPECT_EQ(ColumnNames(narrow.grid), (std::vector<std::string>{"c0", "c3", "c1", "c5", "c2",
                                                                  "c4", "c6", "c7", "c8", "c9"}));
}

// A random grid of texts drawn from a few values, so that equal keys, whole
// numbers, dates and plain words all occur.
TStringGrid::TStrings RandomLine(std::mt19937& random, int length) {
    static const char* const kTexts[] = {"",           "7",   "12",   "-3",  "007",
                                         "b",          "B",   "a",    "x y", "1/2/2020",
                                         "31/12/1999", "5/6", "\xe9", "12 "};
    std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(kTexts)) - 1);
    TStringGrid::TStrings line;
    for (int i = 0; i < length; ++i) {
        line.push_back(kTexts[pick(random)]);
    }
    return line;
}

// Sorting columns by a key row gives the transpose of sorting the rows of the
// transposed grid by the same key column, equal keys and fallbacks included.
TEST(ColumnSort, EqualsRowSortOfTransposedGrid) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 300; ++round) {
        const int cols = std::uniform_int_distribution<int>(3, 14)(random);
        const int rows = std::uniform_int_distribution<int>(1, 5)(random);
        TComponent owner;
        TStringGrid grid(&owner, cols, rows);
        TStringGrid transposed(&owner, rows, cols);
        for (int col = 0; col < cols; ++col) {
            const auto line = RandomLine(random, rows);
            grid.SetCols(col, line);
            transposed.SetRows(col, line);
        }
        TSortAStringGrid byColumn(&owner);
        TSortAStringGrid byRow(&owner);
        byColumn.GridToSort = &grid;
        byColumn.HowToSort = SortType::Column;
        byRow.GridToSort = &transposed;
        byRow.HowToSort = SortType::Row;
        byColumn.StartIndex = byRow.StartIndex = std::uniform_int_distribution<int>(0, 1)(random);
        byColumn.EndIndex = byRow.EndIndex =
            std::uniform_int_distribution<int>(byColumn.StartIndex + 1, cols - 1)(random);
        byColumn.SortIndex = byRow.SortIndex =
            std::uniform_int_distribution<int>(0, rows - 1)(random);
        byColumn.SortType = byRow.SortType =
            static_cast<ToSortType>(std::uniform_int_distribution<int>(0, 2)(random));
        byColumn.CaseSensitiv = byRow.CaseSensitiv = random() % 2 == 0;
        byColumn.SortDirection = byRow.SortDirection =
            random() % 2 == 0 ? SortDirType::Ascending : SortDirType::Descending;
        byColumn.DateSettings.CurrentYear = byRow.DateSettings.CurrentYear = 2026;

        EXPECT_TRUE(byColumn.Sort());
        EXPECT_TRUE(byRow.Sort());
        EXPECT_EQ(byColumn.ErrorCode(), byRow.ErrorCode());
        EXPECT_EQ(byColumn.SortType, byRow.SortType);
        for (int col = 0; col < cols; ++col) {
            ASSERT_EQ(grid.Cols(col), transposed.Rows(col)) << "round " << round;
        }
    }
}

}  // namespace
