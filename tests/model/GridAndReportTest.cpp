#include <gtest/gtest.h>

#include "model/Exceptions.h"
#include "model/ReportLines.h"
#include "model/TStringGrid.h"

namespace {

TEST(TStringGrid, CellsOutsideTheGridReadEmptyAndIgnoreWrites) {
    TStringGrid grid(nullptr, 2, 3);
    grid.SetCells(5, 1, "x");
    grid.SetCells(-1, 0, "x");
    EXPECT_EQ(grid.Cells(5, 1), "");
    EXPECT_EQ(grid.Cells(0, -1), "");
    EXPECT_EQ(grid.Cells(1, 3), "");
}

TEST(TStringGrid, RowsAndColumnsReadAndWriteWhole) {
    TStringGrid grid(nullptr, 3, 2);
    grid.SetRows(1, {"a", "b", "c"});
    EXPECT_EQ(grid.Rows(1), (TStringGrid::TStrings{"a", "b", "c"}));
    EXPECT_EQ(grid.Cols(2), (TStringGrid::TStrings{"", "c"}));
    grid.SetCols(0, {"top"});  // a short list empties the rest of the column
    EXPECT_EQ(grid.Cols(0), (TStringGrid::TStrings{"top", ""}));
}

TEST(TStringGrid, ResizeKeepsRemainingCells) {
    TStringGrid grid(nullptr, 2, 2);
    grid.SetCells(1, 1, "keep");
    grid.SetCells(0, 0, "also");
    grid.SetColCount(3);
    grid.SetRowCount(4);
    EXPECT_EQ(grid.Cells(1, 1), "keep");
    EXPECT_EQ(grid.Cells(0, 0), "also");
    EXPECT_EQ(grid.ColWidths.size(), 3u);
    grid.SetRowCount(1);
    EXPECT_EQ(grid.Cells(1, 1), "");
}

TEST(ReportLines, AppendReplaceAndRead) {
    ReportLines report;
    report.ReplaceLast("first");  // on an empty report it appends
    report.Add("second");
    report.ReplaceLast("last");
    ASSERT_EQ(report.Count(), 2);
    EXPECT_EQ(report.Line(0), "first");
    EXPECT_EQ(report.Line(1), "last");
    EXPECT_EQ(report.Line(2), "");
    report.Clear();
    EXPECT_EQ(report.Count(), 0);
}

TEST(Exceptions, FullStopAddedOnlyWhenMissing) {
    EXPECT_EQ(WithFullStop(EZeroDivide().what()), "Floating point division by zero.");
    EXPECT_EQ(WithFullStop("Case Sensitivity ignored for Date Sort."),
              "Case Sensitivity ignored for Date Sort.");
    EXPECT_EQ(WithFullStop(""), ".");
}

}  // namespace
