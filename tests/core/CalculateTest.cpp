#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/plan/FirstFit.h"
#include "model/Exceptions.h"
#include "model/Options.h"
#include "tests/common/WorkedExample.h"
#include "tests/core/CalculationFixture.h"

namespace {

using Lines = std::vector<std::string>;

// The window's models as the user leaves them before pressing Calculate,
// over the report of an earlier run.
struct Window : CalculationFixture {
    Window(const std::vector<TypedRow>& rows, const Lines& settings)
        : CalculationFixture(rows, settings) {
        report.Assign({"an earlier report"});
    }
};

Options AutoItems(bool shortReport) {
    Options options;
    options.AutoItemNumber = true;
    options.ShortReport = shortReport;
    return options;
}

TEST(Calculate, WorkedExampleFromTypedCutList) {
    const std::vector<TypedRow> typed{
        {"4", "30", ""}, {"", "", ""}, {"3", "96", ""}, {"2", "48", ""}};
    for (const bool shortReport : {false, true}) {
        SCOPED_TRACE(shortReport ? "short report" : "plain report");
        Window window(typed, {"240", "0.125", "20"});
        const PlanOutcome outcome = window.Calculate(AutoItems(shortReport));
        ASSERT_FALSE(outcome.Refused) << *outcome.Refused;
        EXPECT_EQ(outcome.BarCount(), 3);
        EXPECT_TRUE(window.announced.empty());
        EXPECT_EQ(window.report.All(), ExampleReport(shortReport));
        const Lines subTotals = window.cutList.Cols(4);
        EXPECT_EQ(Lines(subTotals.begin() + 1, subTotals.begin() + 4), (Lines{"3", "2", "4"}));
    }
}

TEST(Calculate, KeepsThePlanWithTheRowTextsOfItsRun) {
    Window window({{"3", "96", ""}, {"2", "48", ""}, {"4", "30", ""}}, {"240", "0.125", "20"});
    const PlanOutcome outcome = window.Calculate(AutoItems(false));
    ASSERT_TRUE(outcome.Plan);
    window.cutList.SetCells(1, 1, "changed after Calculate");
    const CuttingPlan& plan = *outcome.Plan;
    ASSERT_EQ(plan.Bars.size(), 3u);
    // Bar 2 of the worked example: 96, 48, 48, 30 and a scrap of 17.5.
    std::vector<std::pair<std::string, int>> bar2;
    for (const PieceRun& run : plan.RunsOf(plan.Bars[1])) {
        bar2.emplace_back(plan.RowOf(run).Item + "/" + plan.RowOf(run).Length, run.Count);
    }
    EXPECT_EQ(bar2,
              (std::vector<std::pair<std::string, int>>{{"1/96", 1}, {"2/48", 2}, {"3/30", 1}}));
    EXPECT_EQ(plan.Bars[1].Left, 17.5f);
    EXPECT_TRUE(plan.IsScrap(plan.Bars[1]));
    EXPECT_FALSE(plan.IsScrap(plan.Bars[2]));
}

struct RefusalCase {
    std::string name;
    std::vector<TypedRow> rows;
    Lines barSettings;
    Options options;
    std::string refusal;
};

class CalculateRefusals : public testing::TestWithParam<RefusalCase> {};

TEST_P(CalculateRefusals, AnnounceTheRefusalThenEmptyTheReport) {
    const RefusalCase& c = GetParam();
    Window window(c.rows, c.barSettings);
    const PlanOutcome outcome = window.Calculate(c.options);
    EXPECT_EQ(outcome.Refused, c.refusal);
    EXPECT_FALSE(outcome.Plan);
    EXPECT_EQ(window.announced, Lines{c.refusal});
    EXPECT_EQ(window.report.Count(), 0);
    EXPECT_GT(window.linesWhenAnnounced, 0) << "announced after the report was emptied";
}

Options ShortWithoutAutoItems() {
    Options options;
    options.ShortReport = true;
    return options;
}

Options WithMethod(bool Options::*method) {
    Options options = AutoItems(false);
    options.*method = true;
    return options;
}

INSTANTIATE_TEST_SUITE_P(
    Calculate, CalculateRefusals,
    testing::Values(
        // The dash converts to 0, its key stays empty and the keys are compared
        // as texts: "9000" ranks above "10000", so 10 is not the first row.
        RefusalCase{"LaterRowLongerThanTheBarAfterTextOrder",
                    {{"1", "10", ""}, {"1", "9", ""}, {"1", "-", ""}},
                    {"9.5", "0", "0"},
                    AutoItems(false),
                    kBarShorterThanPiece},
        RefusalCase{"FirstRowLongerThanTheBar",
                    {{"1", "96", ""}},
                    {"96", "0.125", "0"},
                    AutoItems(false),
                    kBarShorterThanPiece},
        // A negative cut width would hand length back with every cut.
        RefusalCase{"NegativeCutWidthFirstFit",
                    {{"3", "60", ""}},
                    {"100", "-100", "0"},
                    AutoItems(false),
                    kBarShorterThanPiece},
        RefusalCase{"NegativeCutWidthAlternate",
                    {{"3", "60", ""}},
                    {"100", "-0.125", "0"},
                    WithMethod(&Options::AlternateMethod),
                    kBarShorterThanPiece},
        RefusalCase{"NegativeCutWidthFewestBars",
                    {{"3", "60", ""}},
                    {"100", "-100", "0"},
                    WithMethod(&Options::FewestBars),
                    kBarShorterThanPiece},
        RefusalCase{"EmptyCutList",
                    {},
                    {"96", "0.125", "0"},
                    AutoItems(false),
                    "Qty Length and Bar Length all required"},
        RefusalCase{"ShortReportWithoutItemNumbers",
                    {{"2", "50", ""}},
                    {"240", "0", "0"},
                    ShortWithoutAutoItems(),
                    kMissingItemNumber}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST(Calculate, TextOrderPuttingAShorterLengthFirstEndsTheRun) {
    Window window({{"1", "10", ""}, {"1", "9", ""}, {"1", "-", ""}}, {"9.5", "0", "0"});
    const PlanOutcome outcome = window.Calculate(AutoItems(false));
    EXPECT_EQ(outcome.Refused, kBarShorterThanPiece);
    // Row 1 passed the first row's check; the 10 behind it is what fits no bar.
    EXPECT_EQ(window.cutList.Cols(1)[1], "9");
    EXPECT_EQ(window.cutList.Cols(1)[2], "10");
    EXPECT_EQ(window.barSettings.Cells(1, 4).substr(0, 3), "-1 ");
}

// The summary counts whole pieces in 64 bits: the whole part of -2^63 is
// beyond them. The items counted before that row keep their totals.
TEST(Calculate, UncountableQuantityKeepsTheTotalsCountedBeforeIt) {
    Window window({{"3", "96", ""}, {"-9223372036854775808", "48", ""}, {"4", "30", ""}},
                  {"240", "0.125", "20"});
    EXPECT_THROW(window.Calculate(AutoItems(false)), EInvalidOp);
    const Lines subTotals = window.cutList.Cols(4);
    EXPECT_EQ(Lines(subTotals.begin() + 1, subTotals.begin() + 4), (Lines{"3", "", ""}));
    EXPECT_EQ(window.report.All().back(), "Total of Item  {1}  = 3 of Len 96");
}

TEST(Calculate, PlanCarriesTheRowsAsRead) {
    Window window({{"2", "48", ""}, {"", "1' 6", ""}, {"3", "96", ""}}, {"240", "0.125", "20"});
    const PlanOutcome outcome = window.Calculate(AutoItems(false));
    ASSERT_TRUE(outcome.Plan);
    const std::vector<PreparedRow>& rows = outcome.Plan->Rows;
    ASSERT_EQ(rows.size(), 3u);
    const struct {
        const char* length;
        const char* item;
        const char* key;
        float quantity;
        float decimal;
    } expected[] = {{"96", "1", "96000", 3.0f, 96.0f},
                    {"48", "2", "48000", 2.0f, 48.0f},
                    {"1' 6", "3", "18000", 1.0f, 18.0f}};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].Length, expected[i].length);
        EXPECT_EQ(rows[i].Item, expected[i].item);
        EXPECT_EQ(rows[i].DecLenKey, expected[i].key);
        EXPECT_EQ(rows[i].Quantity, expected[i].quantity);
        EXPECT_EQ(rows[i].Decimal, expected[i].decimal);
        EXPECT_EQ(rows[i].Charged, expected[i].decimal + 0.125f);
    }
}

TEST(Calculate, FloatingPointErrorsEndTheRun) {
    Window window({{"1", "1/0", ""}}, {"240", "0", "0"});
    EXPECT_THROW(window.Calculate(AutoItems(false)), EMathError);
    EXPECT_TRUE(window.announced.empty());
}

}  // namespace
