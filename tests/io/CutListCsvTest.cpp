#include <gtest/gtest.h>

#include <string>

#include "io/job/CutListCsv.h"
#include "model/GridLayout.h"
#include "model/TStringGrid.h"

namespace {

TEST(CutListCsv, ExportedRowsReadBackAsTheyWere) {
    TStringGrid cutList(nullptr, kCutListColumns, kCutListRows);
    cutList.SetRows(1, {"3", "2'   1 1/8", "A", "25.125", "3"});
    cutList.SetRows(2, {"2", "10 15/16\"", "shelf, top", "", ""});
    cutList.SetRows(4, {"1", " 48", "say \"B\"", "", ""});
    const std::string text = FormatCutListCsv(cutList);
    EXPECT_EQ(text,
              "Qty,Length,Item #\r\n"
              "3,2'   1 1/8,A\r\n"
              "2,\"10 15/16\"\"\",\"shelf, top\"\r\n"
              ",,\r\n"
              "1,\" 48\",\"say \"\"B\"\"\"\r\n");
    const CsvRows rows = ParseCutListCsv(text);
    ASSERT_EQ(rows.size(), 4u);
    for (int row = 1; row <= 4; ++row) {
        for (int col = 0; col < 3; ++col) {
            EXPECT_EQ(rows[row - 1][col], cutList.Cells(col, row)) << row << "," << col;
        }
    }
}

TEST(CutListCsv, ReadsWhatSpreadsheetsWrite) {
    const struct {
        const char* text;
        CsvRows rows;
    } cases[] = {
        {"2;12,5;A\n1;30;B", {{"2", "12,5", "A"}, {"1", "30", "B"}}},
        {"QTY,Length\r\n4,96\r\n", {{"4", "96"}}},
        {"1,\"two\nlines\"\n", {{"1", "two lines"}}},
        {"5,\"unclosed", {{"5", "unclosed"}}},
        {"", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseCutListCsv(c.text), c.rows) << c.text;
    }
}

}  // namespace
