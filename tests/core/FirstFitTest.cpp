#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/plan/FirstFit.h"
#include "tests/core/HandBuiltJob.h"

namespace {

using Lines = std::vector<std::string>;

struct FirstFitCase {
    std::string name;
    BarSettings bar;
    std::vector<JobRow> rows;
    bool shortReport = false;
    bool alternateMethod = false;
    char separator = '.';
    Lines lines;  // the whole report after the nesting
    int bars = 0;
    float totalScrap = 0.0f;
    float totalRemaining = 0.0f;
};

class FirstFitCases : public testing::TestWithParam<FirstFitCase> {};

TEST_P(FirstFitCases, WritesTheBarsAndTheirLeftovers) {
    const FirstFitCase& c = GetParam();
    HandBuiltJob job(c.bar, c.rows);
    const PlanOutcome result = job.PlanFirstFit(c.shortReport, c.alternateMethod, c.separator);
    ASSERT_FALSE(result.Refused) << *result.Refused;
    EXPECT_EQ(job.report.All(), c.lines);
    EXPECT_EQ(result.Plan->Bars.size(), static_cast<std::size_t>(c.bars));
    EXPECT_EQ(result.Plan->TotalScrap, c.totalScrap);
    EXPECT_EQ(result.Plan->TotalRemaining, c.totalRemaining);
}

const BarSettings kBar100{100.0f, 0.0f, 0.0f};

INSTANTIATE_TEST_SUITE_P(
    FirstFit, FirstFitCases,
    testing::Values(
        FirstFitCase{"AlternateMethodSpreadsTheLongestRow",
                     kExampleBar,
                     kExampleRows,
                     false,
                     true,
                     '.',
                     {"Bar 1 ________________",
                      "Item # {1}   96",
                      "Item # {2}   48",
                      "Item # {2}   48",
                      "Item # {3}   30",
                      "        Scrap 17.500",
                      " ",
                      "Bar 2 ________________",
                      " ",
                      "Item # {1}   96",
                      "Item # {3}   30",
                      "Item # {3}   30",
                      "Item # {3}   30",
                      "       Remaining 53.500",
                      " ",
                      "Bar 3 ________________",
                      " ",
                      "Item # {1}   96",
                      "       Remaining 143.875",
                      " ",
                      " "},
                     3,
                     17.5f,
                     197.375f},
        FirstFitCase{
            "AlternateMethodSingleRowOnePiecePerBar",
            kBar100,
            {{"3", "10", "A"}},
            false,
            true,
            '.',
            {"Bar 1 ________________", "Item # {A}   10", "       Remaining 90.000", " ",
             "Bar 2 ________________", " ", "Item # {A}   10", "       Remaining 90.000", " ",
             "Bar 3 ________________", " ", "Item # {A}   10", "       Remaining 90.000", " ", " "},
            3,
            0.0f,
            270.0f},
        FirstFitCase{"FractionalQuantityPlacedWhileAboveZero",
                     kBar100,
                     {{"2.5", "10", "A"}, {"0", "5", "B"}, {"-1", "4", "C"}},
                     false,
                     false,
                     '.',
                     {"Bar 1 ________________", "Item # {A}   10", "Item # {A}   10",
                      "Item # {A}   10", "       Remaining 70.000", " ", " "},
                     1,
                     0.0f,
                     70.0f},
        FirstFitCase{"LeftoverZeroIsScrapWhenScrapBelowIsPositive",
                     {100.0f, 0.5f, 1.0f},
                     {{"4", "24.5", "1"}},
                     false,
                     false,
                     '.',
                     {"Bar 1 ________________", "Item # {1}   24.5", "Item # {1}   24.5",
                      "Item # {1}   24.5", "Item # {1}   24.5", "        Scrap 0.000", " ", " "},
                     1,
                     0.0f,
                     0.0f},
        FirstFitCase{"LeftoverZeroIsRemainingWhenScrapBelowIsZero",
                     {100.0f, 0.5f, 0.0f},
                     {{"4", "24.5", "1"}},
                     false,
                     false,
                     '.',
                     {"Bar 1 ________________", "Item # {1}   24.5", "Item # {1}   24.5",
                      "Item # {1}   24.5", "Item # {1}   24.5", "       Remaining 0.000", " ", " "},
                     1,
                     0.0f,
                     0.0f},
        FirstFitCase{
            "LeftoverEqualToScrapBelowRemains",
            {100.0f, 0.0f, 40.0f},
            {{"1", "60", "1"}},
            false,
            false,
            '.',
            {"Bar 1 ________________", "Item # {1}   60", "       Remaining 40.000", " ", " "},
            1,
            0.0f,
            40.0f},
        FirstFitCase{"ShortReportStartsANewRunInEveryBar",
                     kBar100,
                     {{"3", "40", "7"}},
                     true,
                     false,
                     '.',
                     {"Bar 1 ________________", "Qty 2 Item # {7}   40", "       Remaining 20.000",
                      " ", "Bar 2 ________________", " ", "Qty 1 Item # {7}   40",
                      "       Remaining 60.000", " ", " "},
                     2,
                     0.0f,
                     80.0f},
        FirstFitCase{
            "ShortReportMergesOnlyNeighboursWithTheSameText",
            kBar100,
            {{"1", "50", "A"}, {"1", "30", "B"}, {"1", "12", "A"}, {"1", "5", "a"}},
            true,
            false,
            '.',
            {"Bar 1 ________________", "Qty 1 Item # {A}   50", "Qty 1 Item # {B}   30",
             "Qty 1 Item # {A}   12", "Qty 1 Item # {a}   5", "       Remaining 3.000", " ", " "},
            1,
            0.0f,
            3.0f},
        FirstFitCase{"ShortReportMergesOneItemOfTwoLengthsShowingTheLast",
                     kBar100,
                     {{"1", "50", "X"}, {"2", "20", "X"}},
                     true,
                     false,
                     '.',
                     {"Bar 1 ________________", "Qty 3 Item # {X}   20", "       Remaining 10.000",
                      " ", " "},
                     1,
                     0.0f,
                     10.0f},
        FirstFitCase{"MissingItemNumbersGiveEmptyBraces",
                     kBar100,
                     {{"1", "96", ""}, {"1", "3 1/2", "", 3.5f}},
                     false,
                     false,
                     '.',
                     {"Bar 1 ________________", "Item # {}   96", "Item # {}   3 1/2",
                      "       Remaining 0.500", " ", " "},
                     1,
                     0.0f,
                     0.5f},
        FirstFitCase{"EqualLengthsInSeparateRowsFollowEachOther",
                     {100.0f, 0.0f, 1.0f},
                     {{"1", "50", "1"}, {"2", "50", "1"}, {"1", "2' 1", "2", 25.0f}},
                     false,
                     false,
                     '.',
                     {"Bar 1 ________________", "Item # {1}   50", "Item # {1}   50",
                      "        Scrap 0.000", " ", "Bar 2 ________________", " ", "Item # {1}   50",
                      "Item # {2}   2' 1", "       Remaining 25.000", " ", " "},
                     2,
                     0.0f,
                     25.0f},
        FirstFitCase{"LengthConvertingToZeroCostsTheCutWidth",
                     {10.0f, 0.125f, 1.0f},
                     {{"1", "9", "1"}, {"2", " ", "2", 0.0f}},
                     false,
                     false,
                     '.',
                     {"Bar 1 ________________", "Item # {1}   9", "Item # {2}    ",
                      "Item # {2}    ", "        Scrap 0.625", " ", " "},
                     1,
                     0.625f,
                     0.0f},
        FirstFitCase{"PieceFillingTheRestExactlyStillFits",
                     {10.0f, 0.25f, 0.0f},
                     {{"1", "5.5", "1"}, {"1", "4", "2"}},
                     false,
                     false,
                     ',',
                     {"Bar 1 ________________", "Item # {1}   5.5", "Item # {2}   4",
                      "       Remaining 0,000", " ", " "},
                     1,
                     0.0f,
                     0.0f}),
    [](const testing::TestParamInfo<FirstFitCase>& info) { return info.param.name; });

struct RefusalCase {
    std::string name;
    BarSettings bar;
    std::vector<JobRow> rows;
    bool shortReport = false;
    std::string refusal;  // empty: the job completes
};

class FirstFitRefusals : public testing::TestWithParam<RefusalCase> {};

TEST_P(FirstFitRefusals, RefuseJobsThatCannotBeReported) {
    const RefusalCase& c = GetParam();
    HandBuiltJob job(c.bar, c.rows);
    const PlanOutcome result = job.PlanFirstFit(c.shortReport, false);
    EXPECT_EQ(result.Refused.value_or(""), c.refusal);
}

INSTANTIATE_TEST_SUITE_P(
    FirstFit, FirstFitRefusals,
    testing::Values(
        // Keys compared as texts put 9 ("9000") above 10 ("10000").
        RefusalCase{"LaterRowLongerThanTheBar",
                    {9.5f, 0.0f, 0.0f},
                    {{"1", "9", "1"}, {"1", "10", "2"}},
                    false,
                    kBarShorterThanPiece},
        RefusalCase{"LaterRowLongerThanTheBarWithoutQuantityIsDone",
                    {9.5f, 0.0f, 0.0f},
                    {{"1", "9", "1"}, {"0", "10", "2"}},
                    false,
                    ""},
        RefusalCase{"LaterRowFillingTheBarOnlyWithoutCutWidth",
                    {10.0f, 0.125f, 0.0f},
                    {{"1", "9", "1"}, {"1", "10", "2"}},
                    false,
                    kBarShorterThanPiece},
        RefusalCase{"QuantityBeyondCounting",
                    {100.0f, 0.0f, 0.0f},
                    {{"1", "10", "1"}, {"1e8", "5", "2"}},
                    false,
                    kQuantityTooLarge},
        // 2^24 pieces in all still count down exactly; the fraction makes one more.
        RefusalCase{"JobOfMorePiecesThanCount",
                    {1.0e9f, 0.0f, 0.0f},
                    {{"16777215", "10", "1"}, {"1.5", "5", "2"}},
                    false,
                    kQuantityTooLarge},
        RefusalCase{"ShortReportPieceWithoutItemNumber",
                    {100.0f, 0.0f, 0.0f},
                    {{"1", "50", "1"}, {"1", "20", ""}},
                    true,
                    kMissingItemNumber},
        RefusalCase{"ShortReportRowWithoutItemNumberNeverPlaced",
                    {100.0f, 0.0f, 0.0f},
                    {{"1", "50", "1"}, {"0", "20", ""}},
                    true,
                    ""},
        RefusalCase{
            "PlainReportWithoutItemNumbers", {100.0f, 0.0f, 0.0f}, {{"1", "50", ""}}, false, ""}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

}  // namespace
