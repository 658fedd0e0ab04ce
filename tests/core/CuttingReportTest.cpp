#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/report/CuttingReport.h"
#include "tests/common/WorkedExample.h"
#include "tests/core/HandBuiltJob.h"

namespace {

using Lines = std::vector<std::string>;

// The count of each row, empty for a row that closes no item.
std::vector<std::string> SubTotals(const SummaryTotals& totals, int rows) {
    std::vector<std::string> cells(static_cast<std::size_t>(rows));
    for (const ItemSubtotal& subtotal : totals.Subtotals) {
        cells.at(static_cast<std::size_t>(subtotal.Row) - 1) = std::to_string(subtotal.Pieces);
    }
    return cells;
}

TEST(CuttingReport, WorkedExampleLineForLine) {
    for (const bool shortReport : {false, true}) {
        SCOPED_TRACE(shortReport ? "short report" : "plain report");
        HandBuiltJob job(kExampleBar, kExampleRows);
        const PlanOutcome nesting = job.PlanFirstFit(shortReport, false);
        ASSERT_FALSE(nesting.Refused);
        const SummaryTotals totals = job.Summarise(nesting);
        EXPECT_FALSE(totals.Failure);
        EXPECT_EQ(job.report.All(), ExampleReport(shortReport));
        EXPECT_EQ(job.report.Count(), shortReport ? 43 : 46);
        EXPECT_EQ(SubTotals(totals, 3), (std::vector<std::string>{"3", "2", "4"}));
    }
}

struct SummaryCase {
    std::string name;
    BarSettings bar;
    std::vector<JobRow> rows;
    Lines summary;                       // the report from its "Summary" line on
    std::vector<std::string> subTotals;  // the "* Sub Total" cells of the rows
};

class SummaryCases : public testing::TestWithParam<SummaryCase> {};

TEST_P(SummaryCases, ListsLeftoversAndTotalsItems) {
    const SummaryCase& c = GetParam();
    HandBuiltJob job(c.bar, c.rows);
    const PlanOutcome nesting = job.PlanFirstFit(false, false);
    ASSERT_FALSE(nesting.Refused);
    const int summaryStart = job.report.Count();
    const SummaryTotals totals = job.Summarise(nesting);
    EXPECT_FALSE(totals.Failure);
    const Lines& all = job.report.All();
    EXPECT_EQ(Lines(all.begin() + summaryStart, all.end()), c.summary);
    EXPECT_EQ(SubTotals(totals, static_cast<int>(c.rows.size())), c.subTotals);
}

Lines SummaryOf(const Lines& scrap, const std::string& scrapBelow, const std::string& totalScrap,
                const Lines& remaining, const std::string& totalRemaining,
                const std::string& barsAndSettings, const Lines& items,
                const std::string& itemsTotal) {
    Lines lines{"Summary", " ", "Scrap Below " + scrapBelow, "Consisting of : "};
    lines.insert(lines.end(), scrap.begin(), scrap.end());
    lines.insert(lines.end(), {" ", "Total Scrap " + totalScrap, "______________________ ",
                               "Remaining", "Consisting of : "});
    lines.insert(lines.end(), remaining.begin(), remaining.end());
    lines.insert(lines.end(), {" ", "Total Remaining " + totalRemaining, "______________________ ",
                               " ", barsAndSettings});
    lines.insert(lines.end(), {"Bar Length 100.000", "Cut Width  0.000", " "});
    lines.insert(lines.end(), items.begin(), items.end());
    lines.insert(lines.end(), {" ", "Total Items " + itemsTotal});
    return lines;
}

INSTANTIATE_TEST_SUITE_P(
    Summary, SummaryCases,
    testing::Values(
        SummaryCase{"NoScrapLeavesTheListEmpty",
                    {100.0f, 0.0f, 0.0f},
                    {{"1", "60", "1"}},
                    SummaryOf({}, "0.000", "0.000", {"1        Remaining 40.000"}, "40.000",
                              "Total Bars for job = 1", {"Total of Item  {1}  = 1 of Len 60"}, "1"),
                    {"1"}},
        SummaryCase{"NoRemainingLeavesTheListEmpty",
                    {100.0f, 0.0f, 50.0f},
                    {{"2", "60", "1"}},
                    SummaryOf({"1         Scrap 40.000", "1         Scrap 40.000"}, "50.000",
                              "80.000", {}, "0.000", "Total Bars for job = 2",
                              {"Total of Item  {1}  = 2 of Len 60"}, "2"),
                    {"2"}},
        SummaryCase{"LeftoverZeroListedAsScrap",
                    {100.0f, 0.0f, 1.0f},
                    {{"2", "50", "1"}},
                    SummaryOf({"1         Scrap 0.000"}, "1.000", "0.000", {}, "0.000",
                              "Total Bars for job = 1", {"Total of Item  {1}  = 2 of Len 50"}, "2"),
                    {"2"}},
        SummaryCase{
            "EqualLengthsInSeparateRowsShareOneTotal",
            {100.0f, 0.0f, 0.0f},
            {{"1", "40", "1"}, {"2", "40", "1"}, {"1", "10", "2"}},
            SummaryOf({}, "0.000", "0.000",
                      {"1        Remaining 10.000", "1        Remaining 60.000"}, "70.000",
                      "Total Bars for job = 2",
                      {"Total of Item  {1}  = 3 of Len 40", "Total of Item  {2}  = 1 of Len 10"},
                      "4"),
            {"", "3", "1"}},
        SummaryCase{
            "HandTypedItemNumbersLabelTheLastRowOfALength",
            {100.0f, 0.0f, 0.0f},
            {{"1", "40", "A"}, {"1", "40", "B"}, {"1", "10", "C"}, {"1", "5", "C"}},
            SummaryOf({}, "0.000", "0.000", {"1        Remaining 5.000"}, "5.000",
                      "Total Bars for job = 1",
                      {"Total of Item  {B}  = 2 of Len 40", "Total of Item  {C}  = 1 of Len 10",
                       "Total of Item  {C}  = 1 of Len 5"},
                      "4"),
            {"", "2", "1", "1"}},
        SummaryCase{"FractionalQuantityCountsItsWholePart",
                    {100.0f, 0.0f, 0.0f},
                    {{"2.5", "30", "1"}},
                    SummaryOf({}, "0.000", "0.000", {"1        Remaining 10.000"}, "10.000",
                              "Total Bars for job = 1", {"Total of Item  {1}  = 2 of Len 30"}, "2"),
                    {"2"}},
        SummaryCase{"LengthsConvertingToZeroGetNoTotal",
                    {100.0f, 0.0f, 0.0f},
                    {{"1", "60", "1"}, {"3", " ", "2", 0.0f}, {"2", "0", "3", 0.0f}},
                    SummaryOf({}, "0.000", "0.000", {"1        Remaining 40.000"}, "40.000",
                              "Total Bars for job = 1", {"Total of Item  {1}  = 1 of Len 60"}, "1"),
                    {"1", "", ""}},
        // Only leftovers are listed, whatever the texts of the cut lines hold.
        SummaryCase{
            "CutLineHoldingAMarkerIsNoLeftover",
            {100.0f, 0.0f, 0.0f},
            {{"1", "12        Scrap 1", "       Remaining ", 12.0f}},
            SummaryOf({}, "0.000", "0.000", {"1        Remaining 88.000"}, "88.000",
                      "Total Bars for job = 1",
                      {"Total of Item  {       Remaining }  = 1 of Len 12        Scrap 1"}, "1"),
            {"1"}}),
    [](const testing::TestParamInfo<SummaryCase>& info) { return info.param.name; });

}  // namespace
