#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/Exceptions.h"
#include "tests/core/CalculationFixture.h"

namespace {

const std::string kShortBar = "Bar Length less than Cut length";
const std::string kNothingToCut = "Qty Length and Bar Length all required";
const std::string kNothingToOrder = "2 StartIndex is greater or equal to EndIndex";
const std::string kSortedAsText =
    "-1 Column/Row contains non-numerical values for numeric sort. Sorted as Character.";

// One row of the cut list: Qty, Length, Item # and "* Dec Len".
struct RowText {
    int row;
    std::string qty;
    std::string length;
    std::string item;
    std::string decLen;
};

class PreparationFixture : public CalculationFixture {
  protected:
    void Type(const RowText& r) { TypeRow(r.row, {r.qty, r.length, r.item}); }

    std::string UsedRowsCell() const { return barSettings.Cells(1, 3); }
    std::string LastErrCell() const { return barSettings.Cells(1, 4); }
};

struct Scenario {
    std::string name;
    std::vector<RowText> typed;  // decLen unused
    std::array<std::string, 3> bar;
    bool autoItemNumber;
    std::string refusal;  // empty when the job is handed on
    std::string usedRows;
    std::string lastErr;
    std::vector<RowText> expected;
};

class PreparationScenarioTest : public PreparationFixture,
                                public testing::TestWithParam<Scenario> {};

TEST_P(PreparationScenarioTest, LeavesGridResultCellsAndVerdict) {
    const Scenario& s = GetParam();
    for (const RowText& r : s.typed) {
        Type(r);
    }
    SetBar(s.bar[0], s.bar[1], s.bar[2]);

    const PreparationResult result = Prepare(s.autoItemNumber);

    EXPECT_EQ(result.Refused.value_or(""), s.refusal);
    EXPECT_EQ(UsedRowsCell(), s.usedRows);
    EXPECT_EQ(LastErrCell(), s.lastErr);
    EXPECT_EQ(std::to_string(result.CutList.UsedRows), s.usedRows);
    for (const RowText& r : s.expected) {
        EXPECT_EQ(cutList.Cells(0, r.row), r.qty) << "Qty of row " << r.row;
        EXPECT_EQ(cutList.Cells(1, r.row), r.length) << "Length of row " << r.row;
        EXPECT_EQ(cutList.Cells(2, r.row), r.item) << "Item # of row " << r.row;
        EXPECT_EQ(cutList.Cells(3, r.row), r.decLen) << "Dec Len of row " << r.row;
        EXPECT_EQ(cutList.Cells(4, r.row), "") << "Sub Total of row " << r.row;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, PreparationScenarioTest,
    testing::Values(
        Scenario{"EmptyListWithBar",
                 {},
                 {"96", "", ""},
                 false,
                 kNothingToCut,
                 "0",
                 kNothingToOrder,
                 {{1, "", "", "", ""}}},
        Scenario{
            "EmptyListEmptyBar", {}, {"", "", ""}, false, kNothingToCut, "0", kNothingToOrder, {}},
        Scenario{"LengthsWithoutBar",
                 {{1, "2", "30", "", ""}, {2, "1", "40", "", ""}},
                 {"", "", ""},
                 false,
                 kShortBar,
                 "2",
                 "0 Ok",
                 {{1, "1", "40", "", "40000"}, {2, "2", "30", "", "30000"}}},
        Scenario{"ZeroQtyOnFirstRow",
                 {{1, "2", "30", "", ""}, {2, "0", "40", "", ""}},
                 {"96", "", ""},
                 false,
                 kNothingToCut,
                 "2",
                 "0 Ok",
                 {{1, "0", "40", "", "40000"}}},
        Scenario{"ZeroQtyOnOtherRow",
                 {{1, "0", "30", "", ""}, {2, "3", "40", "", ""}},
                 {"96", "", ""},
                 false,
                 "",
                 "2",
                 "0 Ok",
                 {{1, "3", "40", "", "40000"}, {2, "0", "30", "", "30000"}}},
        Scenario{"LengthOfBarWithCutWidth",
                 {{1, "1", "96", "", ""}},
                 {"96", "0.125", ""},
                 false,
                 kShortBar,
                 "1",
                 kNothingToOrder,
                 {{1, "1", "96", "", "96000"}}},
        Scenario{"LengthOfBarWithoutCutWidth",
                 {{1, "1", "96", "", ""}},
                 {"96", "0", ""},
                 false,
                 "",
                 "1",
                 kNothingToOrder,
                 {{1, "1", "96", "", "96000"}}},
        Scenario{"DashBetweenFeetAndInches",
                 {{1, "1", "2'-1 1/8", "", ""}},
                 {"96", "", ""},
                 false,
                 "",
                 "1",
                 kNothingToOrder,
                 {{1, "1", "2' 1 1/8", "", "25125"}}},
        Scenario{"SeparatorsBecomeBlanks",
                 {{1, "1", "+4'_6-", "", ""}},
                 {"96", "", ""},
                 false,
                 "",
                 "1",
                 kNothingToOrder,
                 {{1, "1", " 4' 6 ", "", "54000"}}},
        Scenario{"DashOnlyFallsBackToText",
                 {{1, "1", "-", "", ""}, {2, "1", "30", "", ""}},
                 {"96", "", ""},
                 false,
                 "",
                 "2",
                 kSortedAsText,
                 {{1, "1", "30", "", "30000"}, {2, "1", " ", "", ""}}},
        Scenario{"ZeroLengthFallsBackToText",
                 {{1, "1", "abc", "", ""}, {2, "1", "30", "", ""}},
                 {"96", "", ""},
                 false,
                 "",
                 "2",
                 kSortedAsText,
                 {{1, "1", "30", "", "30000"}, {2, "1", "abc", "", ""}}},
        Scenario{
            "QuantitiesTrimmedAndDefaulted",
            {{1, " 5 ", "10", "", ""}, {2, "", "20", "", ""}, {3, "\t7 ", "", "", ""}},
            {"96", "", ""},
            false,
            "",
            "2",
            "0 Ok",
            {{1, "1", "20", "", "20000"}, {2, "5", "10", "", "10000"}, {3, "\t7 ", "", "", ""}}},
        Scenario{"LengthsOnlyInRowsThreeAndSeven",
                 {{3, "2", "30", "A", ""}, {7, "1", "50", "B", ""}},
                 {"96", "", ""},
                 false,
                 "",
                 "2",
                 "0 Ok",
                 {{1, "1", "50", "B", "50000"},
                  {2, "2", "30", "A", "30000"},
                  {3, "", "", "", ""},
                  {7, "", "", "", ""}}},
        Scenario{"AutoItemNumbers",
                 {{1, "", "96", "x", ""},
                  {2, "", "8'", "", ""},
                  {3, "", "48", "", ""},
                  {4, "", "30", "", ""}},
                 {"120", "", ""},
                 true,
                 "",
                 "4",
                 "0 Ok",
                 {{3, "1", "48", "2", "48000"}, {4, "1", "30", "3", "30000"}}},
        Scenario{"TypedItemNumbersTravelWithTheirRows",
                 {{1, "", "30", "short", ""}, {2, "", "48", "", ""}},
                 {"120", "", ""},
                 false,
                 "",
                 "2",
                 "0 Ok",
                 {{1, "1", "48", "", "48000"}, {2, "1", "30", "short", "30000"}}},
        Scenario{"SingleRowInRowOne",
                 {{1, "2", "50", "", ""}},
                 {"96", "", ""},
                 true,
                 "",
                 "1",
                 kNothingToOrder,
                 {{1, "2", "50", "1", "50000"}}},
        Scenario{"SingleRowFurtherDown",
                 {{5, "2", "50", "", ""}},
                 {"96", "", ""},
                 true,
                 "",
                 "1",
                 kNothingToOrder,
                 {{1, "2", "50", "1", "50000"}, {5, "", "", "", ""}}},
        // Hexadecimal keys pass the sorter's whole-number test but cannot be
        // compared as numbers; the rows stay as they are for the second sort.
        Scenario{"HexadecimalLengths",
                 {{1, "1", "$10", "", ""}, {2, "1", "x20", "", ""}, {3, "1", "30", "", ""}},
                 {"96", "", ""},
                 false,
                 "",
                 "3",
                 kSortedAsText,
                 {{1, "1", "30", "", "30000"}}},
        Scenario{"FeetCountAsTwelveInches",
                 {{1, "1", "1/16", "", ""}, {2, "1", "1'", "", ""}},
                 {"96", "", ""},
                 false,
                 "",
                 "2",
                 "0 Ok",
                 {{1, "1", "1'", "", "12000"}, {2, "1", "1/16", "", "63"}}}),
    [](const testing::TestParamInfo<Scenario>& info) { return info.param.name; });

class PreparationTest : public PreparationFixture, public testing::Test {};

TEST_F(PreparationTest, AutoItemNumbersShareOneForLikeLengths) {
    // 96 and 8' convert to the same value; their order among themselves is the sorter's.
    Type({1, "", "96", "", ""});
    Type({2, "", "8'", "", ""});
    Type({3, "", "48", "", ""});
    Type({4, "", "30", "", ""});
    SetBar("120", "", "");
    Prepare(true);
    const std::vector<std::string> items = {cutList.Cells(2, 1), cutList.Cells(2, 2),
                                            cutList.Cells(2, 3), cutList.Cells(2, 4)};
    EXPECT_EQ(items, (std::vector<std::string>{"1", "1", "2", "3"}));
    EXPECT_EQ(cutList.Cells(3, 1), "96000");
    EXPECT_EQ(cutList.Cells(3, 2), "96000");
}

TEST_F(PreparationTest, BuildsThePreparedCutList) {
    Type({1, "2", "30", "", ""});
    Type({2, "1.5", "4'", "", ""});
    Type({3, "", "-", "", ""});
    SetBar("8'", "0.125", "6");
    report.Add("an earlier report");
    const PreparationResult result = Prepare();

    ASSERT_FALSE(result.Refused);
    const PreparedCutList& p = result.CutList;
    EXPECT_EQ(p.UsedRows, 3);
    EXPECT_EQ(p.BarLength, 96.0f);
    EXPECT_EQ(p.CutWidth, 0.125f);
    EXPECT_EQ(p.ScrapBelow, 6.0f);
    EXPECT_EQ(p.PieceQty[1], 1.5f);
    EXPECT_EQ(p.PieceLen[1], 48.125f);
    EXPECT_EQ(p.PieceQty[2], 2.0f);
    EXPECT_EQ(p.PieceLen[2], 30.125f);
    EXPECT_EQ(p.PieceQty[3], 1.0f);
    EXPECT_EQ(p.PieceLen[3], 0.125f);  // a length of 0 is charged the cut width only
    for (int row = 4; row <= PreparedCutList::kCapacity; ++row) {
        ASSERT_EQ(p.PieceQty[row], 0.0f) << row;
        ASSERT_EQ(p.PieceLen[row], 0.0f) << row;
    }
    EXPECT_EQ(report.All(), (std::vector<std::string>{"Bar 1 ________________"}));
}

TEST_F(PreparationTest, RefusalLeavesTheReportToTheCaller) {
    SetBar("96", "", "");
    report.Add("an earlier report");
    const PreparationResult result = Prepare();
    EXPECT_TRUE(result.Refused);
    EXPECT_EQ(report.All(), (std::vector<std::string>{"Bar 1 ________________"}));
}

struct QuantityCase {
    std::string qty;
    std::string refusal;  // empty when the quantity means its pieces
};

class TypedQuantityTest : public PreparationFixture, public testing::TestWithParam<QuantityCase> {};

// The 32-bit value must mean the pieces typed, placed and counted alike.
TEST_P(TypedQuantityTest, RefusedWhenItsFloatMeansOtherPieces) {
    Type({1, "1", "50", "", ""});
    Type({2, GetParam().qty, "40", "", ""});
    SetBar("1e9", "0", "0");
    EXPECT_EQ(Prepare().Refused.value_or(""), GetParam().refusal) << GetParam().qty;
}

const std::string kTooLarge = "Qty too large to count";
const std::string kTooPrecise = "Qty too precise to count";

INSTANTIATE_TEST_SUITE_P(
    Quantities, TypedQuantityTest,
    testing::Values(QuantityCase{"16777216", ""}, QuantityCase{"16777217", kTooLarge},
                    QuantityCase{"16777216.5", kTooLarge}, QuantityCase{"-16777217", kTooLarge},
                    QuantityCase{"16777217/1", kTooLarge}, QuantityCase{"2.5", ""},
                    QuantityCase{"0.1", ""}, QuantityCase{"1/3", ""}, QuantityCase{"-3", ""},
                    QuantityCase{"2.9999999999", kTooPrecise},
                    QuantityCase{"3.00000001", kTooPrecise}, QuantityCase{"1e-50", kTooPrecise}));

TEST_F(PreparationTest, EmptiesStaleResultColumns) {
    Type({1, "1", "30", "", ""});
    cutList.SetCells(3, 1, "999");
    cutList.SetCells(4, 1, "12 pcs");
    cutList.SetCells(3, 9, "999");
    cutList.SetCells(4, 9, "7");
    SetBar("96", "", "");
    Prepare();
    EXPECT_EQ(cutList.Cells(3, 1), "30000");
    EXPECT_EQ(cutList.Cells(4, 1), "");
    EXPECT_EQ(cutList.Cells(3, 9), "");
    EXPECT_EQ(cutList.Cells(4, 9), "");
}

TEST_F(PreparationTest, SorterSettingsCarryToTheNextRun) {
    Type({1, "1", "-", "", ""});
    Type({2, "1", "30", "", ""});
    SetBar("96", "", "");
    Prepare();
    EXPECT_EQ(sorter.SortType, ToSortType::Character);
    EXPECT_EQ(sorter.StartIndex, 1);
    EXPECT_EQ(sorter.EndIndex, 2);
    EXPECT_EQ(sorter.SortIndex, 3);

    // Emptied cut list: the range end stays where the last run left it.
    cutList.SetCells(1, 1, "");
    cutList.SetCells(1, 2, "");
    Prepare();
    EXPECT_EQ(sorter.SortType, ToSortType::Numeric);
    EXPECT_EQ(sorter.EndIndex, 0);
    EXPECT_EQ(UsedRowsCell(), "0");
    EXPECT_EQ(LastErrCell(), kNothingToOrder);
}

enum class Expected { DivisionByZero, Overflow };

struct FailingRun {
    std::string name;
    std::vector<RowText> typed;
    std::string barLength;
    Expected error;
    std::vector<RowText> expected;  // grid rows as the failure leaves them
    bool reportRewritten;           // whether the failure came after the bar heading
    std::string usedRows;           // " Used Rows" as the failure leaves it
};

class PreparationFailureTest : public PreparationFixture,
                               public testing::TestWithParam<FailingRun> {};

TEST_P(PreparationFailureTest, StopsWhereTheErrorArisesAndKeepsEarlierWrites) {
    const FailingRun& f = GetParam();
    for (const RowText& r : f.typed) {
        Type(r);
    }
    SetBar(f.barLength, "", "");
    barSettings.SetCells(1, 3, "earlier");
    report.Add("earlier report");

    if (f.error == Expected::DivisionByZero) {
        EXPECT_THROW(Prepare(), EZeroDivide);
    } else {
        EXPECT_THROW(Prepare(), EOverflow);
    }
    for (const RowText& r : f.expected) {
        EXPECT_EQ(cutList.Cells(0, r.row), r.qty) << "Qty of row " << r.row;
        EXPECT_EQ(cutList.Cells(1, r.row), r.length) << "Length of row " << r.row;
        EXPECT_EQ(cutList.Cells(3, r.row), r.decLen) << "Dec Len of row " << r.row;
    }
    EXPECT_EQ(UsedRowsCell(), f.usedRows);
    EXPECT_EQ(report.All(), f.reportRewritten ? std::vector<std::string>{"Bar 1 ________________"}
                                              : std::vector<std::string>{"earlier report"});
}

INSTANTIATE_TEST_SUITE_P(
    FloatingPointErrors, PreparationFailureTest,
    testing::Values(
        // The first sort compares the texts ("1/0" is no whole number): "96" comes first.
        FailingRun{"BadLength",
                   {{1, " 2 ", "1/-0", "", ""}, {2, "", "96", "", ""}},
                   "120",
                   Expected::DivisionByZero,
                   {{1, "", "96", "", "96000"}, {2, " 2 ", "1/ 0", "", ""}},
                   false,
                   "earlier"},
        FailingRun{"HugeLength",
                   {{1, "", "1e39", "", ""}},
                   "120",
                   Expected::Overflow,
                   {{1, "", "1e39", "", ""}},
                   false,
                   "earlier"},
        FailingRun{"ThousandthsBeyondRange",
                   {{1, "", "1e36", "", ""}},
                   "120",
                   Expected::Overflow,
                   {{1, "", "1e36", "", ""}},
                   false,
                   "earlier"},
        FailingRun{"BadBarLength",
                   {{1, "", "30", "", ""}},
                   "1e39",
                   Expected::Overflow,
                   {{1, "1", "30", "", "30000"}},
                   false,
                   "1"},
        FailingRun{"BadQuantity",
                   {{1, "1/0", "30", "", ""}},
                   "120",
                   Expected::DivisionByZero,
                   {{1, "1/0", "30", "", "30000"}},
                   true,
                   "1"}),
    [](const testing::TestParamInfo<FailingRun>& info) { return info.param.name; });

// Deterministic byte soup: control bytes, bytes above 127, the notation's
// own characters and texts longer than a cell keeps. A tame soup has no
// slash and no exponent, so its lengths convert without floating-point errors.
std::string Garbage(std::uint32_t& seed, std::size_t length, bool tame) {
    static const std::string kAlphabet = "0123456789 '\"/.-+_eE\t\r\n\x01\x7F\x80\xB0\xFF";
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const std::uint32_t pick = seed >> 8;
        char c = pick % 3 == 0 ? static_cast<char>(pick >> 8)
                               : kAlphabet[(pick >> 8) % kAlphabet.size()];
        if (tame && (c == '/' || c == 'e' || c == 'E')) {
            c = '.';
        }
        text.push_back(c);
    }
    return text;
}

TEST_F(PreparationTest, FullGridOfArbitraryTextNeverCrashes) {
    std::uint32_t seed = 12345;
    int completed = 0;
    int failed = 0;
    for (int run = 0; run < 20; ++run) {
        const bool tame = run % 2 == 1;
        for (int row = 1; row < cutList.RowCount(); ++row) {
            for (int col = 0; col < 3; ++col) {
                cutList.SetCells(col, row, Garbage(seed, (seed >> 4) % 300, tame));
            }
        }
        SetBar(Garbage(seed, 5, tame), Garbage(seed, 3, tame), Garbage(seed, 3, tame));
        try {
            const PreparationResult result = Prepare(run % 4 < 2);
            ++completed;
            EXPECT_EQ(UsedRowsCell(), std::to_string(result.CutList.UsedRows));
            EXPECT_LE(result.CutList.UsedRows, 499);
            EXPECT_EQ(report.Count(), 1);
        } catch (const EMathError&) {
            ++failed;
        }
        for (int row = 1; row < cutList.RowCount(); ++row) {
            ASSERT_LE(cutList.Cells(1, row).size(), 255u) << "row " << row;
        }
    }
    EXPECT_GE(completed, 10);
    EXPECT_GT(failed, 0);
}

TEST_F(PreparationTest, FullGridOfLengthsIsSortedLongestFirst) {
    for (int row = 1; row < cutList.RowCount(); ++row) {
        Type({row, "1", std::to_string(row % 97) + " 1/2", "", ""});
    }
    SetBar("200", "0.125", "");
    const PreparationResult result = Prepare(true);
    ASSERT_FALSE(result.Refused);
    EXPECT_EQ(result.CutList.UsedRows, 499);
    EXPECT_EQ(LastErrCell(), "0 Ok");
    EXPECT_EQ(cutList.Cells(1, 1), "96 1/2");
    EXPECT_EQ(cutList.Cells(1, 499), "0 1/2");
    EXPECT_EQ(cutList.Cells(2, 499), "97");
    for (int row = 2; row <= 499; ++row) {
        ASSERT_GE(result.CutList.PieceLen[row - 1], result.CutList.PieceLen[row]) << row;
    }
}

TEST_F(PreparationTest, LongCellsAreCutBeforeConversion) {
    // The digit that would make the length 10 times larger lies beyond 255 characters.
    Type({1, std::string(254, ' ') + "3" + "0", std::string(254, ' ') + "4" + "0", "", ""});
    SetBar("96", "", "");
    const PreparationResult result = Prepare();
    EXPECT_EQ(cutList.Cells(1, 1), std::string(254, ' ') + "4");
    EXPECT_EQ(cutList.Cells(3, 1), "4000");
    EXPECT_EQ(cutList.Cells(0, 1), "30");  // trimmed, not cut
    EXPECT_EQ(result.CutList.PieceQty[1], 30.0f);
}

TEST_F(PreparationTest, RowsBeyondTheArraysAreLeftAlone) {
    cutList.SetRowCount(1200);
    for (int row = 1; row < cutList.RowCount(); ++row) {
        Type({row, "", row > 1000 ? "5-1" : "7", "", ""});
    }
    SetBar("96", "", "");
    const PreparationResult result = Prepare();
    EXPECT_EQ(result.CutList.UsedRows, PreparedCutList::kCapacity);
    EXPECT_EQ(UsedRowsCell(), "1000");
    EXPECT_EQ(cutList.Cells(1, 1000), "7");
    EXPECT_EQ(cutList.Cells(1, 1001), "5-1");
    EXPECT_EQ(cutList.Cells(0, 1001), "");
    EXPECT_EQ(cutList.Cells(3, 1001), "");
}

TEST_F(PreparationTest, GridWithoutDataRows) {
    cutList.SetRowCount(1);
    SetBar("96", "", "");
    const PreparationResult result = Prepare(true);
    EXPECT_EQ(result.Refused, kNothingToCut);
    EXPECT_EQ(UsedRowsCell(), "0");
}

}  // namespace
