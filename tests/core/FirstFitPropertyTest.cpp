#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/notation/NumberFormat.h"
#include "core/plan/FirstFit.h"
#include "core/report/ReportText.h"
#include "tests/core/HandBuiltJob.h"

namespace {

using Lines = std::vector<std::string>;

struct RandomJob {
    BarSettings bar;
    std::vector<JobRow> rows;
    bool alternateMethod = false;
};

// Lengths on a sixteenth grid make exact fits and leftovers of 0 frequent;
// quantities include fractions, zeros and negatives; a few jobs are not in
// descending order, as a sort falling back to texts leaves them.
RandomJob MakeRandomJob(unsigned seed) {
    std::mt19937 random(seed);
    const std::vector<float> barLengths{96.0f, 240.0f, 144.5f, 20.0f};
    const std::vector<float> cutWidths{0.0f, 0.125f, 0.5f};
    RandomJob job;
    job.bar.barLength = barLengths[random() % barLengths.size()];
    job.bar.cutWidth = cutWidths[random() % cutWidths.size()];
    job.bar.scrapBelow = static_cast<float>(random() % 40) / 2.0f;
    job.alternateMethod = random() % 3 == 0;
    const int sixteenths = static_cast<int>((job.bar.barLength - job.bar.cutWidth) * 16.0f);
    std::vector<float> lengths(1 + random() % 40);
    for (float& length : lengths) {
        length = static_cast<float>(random() % (sixteenths + 1)) / 16.0f;
    }
    if (random() % 4 != 0) {
        std::sort(lengths.rbegin(), lengths.rend());
    }
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        const int whole = static_cast<int>(random() % 9) - 1;
        const std::string quantity = std::to_string(whole) + (random() % 5 == 0 ? ".5" : "");
        job.rows.push_back(
            {quantity, std::to_string(lengths[i]), std::to_string(i + 1), lengths[i]});
    }
    return job;
}

int PiecesOf(float quantity) {
    int pieces = 0;
    while (quantity > 0.0f) {
        quantity = quantity - 1.0f;
        ++pieces;
    }
    return pieces;
}

// The bar passes exactly as the workshop rule reads: every row visited in
// every pass, one piece at a time.
Lines ReferenceReport(const RandomJob& job, bool shortReport) {
    HandBuiltJob prepared(job.bar, job.rows);
    PreparedCutList& list = prepared.cutList;
    Lines lines{BarHeading(1, '.')};
    int barNumber = 1;
    float barLeft = list.BarLength;
    long likeCount = 0;
    std::string lastItem;
    auto leftoverLine = [&] {
        lines.push_back((barLeft < list.ScrapBelow ? "        Scrap " : "       Remaining ") +
                        FormatLength(barLeft, '.'));
        likeCount = 0;
    };
    while (true) {
        bool firstRowTaken = false;
        for (int r = 1; r <= list.UsedRows; ++r) {
            while (true) {
                if (job.alternateMethod && r > 1) {
                    firstRowTaken = false;
                }
                if (!firstRowTaken && list.PieceQty[r] > 0.0f && barLeft >= list.PieceLen[r]) {
                    barLeft = barLeft - list.PieceLen[r];
                    list.PieceQty[r] = list.PieceQty[r] - 1.0f;
                    firstRowTaken = job.alternateMethod && r == 1;
                    const std::string item = prepared.grid.Cells(2, r);
                    const std::string cut = "Item # {" + item + "}   " + prepared.grid.Cells(1, r);
                    if (!shortReport) {
                        lines.push_back(cut);
                    } else if (likeCount > 0 && item == lastItem) {
                        lines.back() = "Qty " + std::to_string(++likeCount) + " " + cut;
                    } else {
                        likeCount = 1;
                        lines.push_back("Qty 1 " + cut);
                    }
                    lastItem = item;
                }
                if (!(list.PieceQty[r] > 0.0f && barLeft >= list.PieceLen[r] && !firstRowTaken)) {
                    break;
                }
            }
        }
        bool done = true;
        for (int r = 1; r <= list.UsedRows; ++r) {
            done = done && list.PieceQty[r] <= 0.0f;
        }
        if (done) {
            break;
        }
        ++barNumber;
        leftoverLine();
        lines.insert(lines.end(), {" ", BarHeading(barNumber, '.'), " "});
        barLeft = list.BarLength;
    }
    leftoverLine();
    lines.insert(lines.end(), {" ", " "});
    return lines;
}

class RandomJobs : public testing::TestWithParam<unsigned> {};

TEST_P(RandomJobs, EveryPieceOnceInBarsThatHoldThem) {
    const RandomJob job = MakeRandomJob(GetParam());
    HandBuiltJob nested(job.bar, job.rows);
    const PreparedCutList before = nested.cutList;
    const PlanOutcome result = nested.PlanFirstFit(false, job.alternateMethod);
    ASSERT_FALSE(result.Refused) << *result.Refused;

    const int rowCount = before.UsedRows;
    std::vector<int> unplaced(static_cast<std::size_t>(rowCount) + 1);
    for (int r = 1; r <= rowCount; ++r) {
        unplaced[r] = PiecesOf(before.PieceQty[r]);
    }
    int headings = 0;
    float barLeft = before.BarLength;
    for (const std::string& line : nested.report.All()) {
        if (line.rfind("Bar ", 0) == 0) {
            ++headings;
            barLeft = before.BarLength;
        } else if (line.rfind("Item # {", 0) == 0) {
            const int row = std::stoi(line.substr(8));
            ASSERT_GT(unplaced[row], 0) << "row " << row << " placed too often";
            --unplaced[row];
            ASSERT_GE(barLeft, before.PieceLen[row]) << "bar " << headings << " overfilled";
            barLeft = barLeft - before.PieceLen[row];
        } else if (line != " ") {
            const bool scrap = barLeft < before.ScrapBelow;
            EXPECT_EQ(line, (scrap ? "        Scrap " : "       Remaining ") +
                                FormatLength(barLeft, '.'));
            // First fit: nothing still waiting would have fitted the leftover.
            for (int r = job.alternateMethod ? 2 : 1; r <= rowCount; ++r) {
                EXPECT_FALSE(unplaced[r] > 0 && barLeft >= before.PieceLen[r])
                    << "row " << r << " fits the leftover of bar " << headings;
            }
        }
    }
    EXPECT_EQ(std::count(unplaced.begin(), unplaced.end(), 0), rowCount + 1);
    EXPECT_EQ(static_cast<std::size_t>(headings), result.Plan->Bars.size());
}

TEST_P(RandomJobs, SameReportAsVisitingEveryRow) {
    const RandomJob job = MakeRandomJob(GetParam());
    for (const bool shortReport : {false, true}) {
        HandBuiltJob nested(job.bar, job.rows);
        ASSERT_FALSE(nested.PlanFirstFit(shortReport, job.alternateMethod).Refused);
        EXPECT_EQ(nested.report.All(), ReferenceReport(job, shortReport))
            << (shortReport ? "short report" : "plain report");
    }
}

INSTANTIATE_TEST_SUITE_P(FixedSeeds, RandomJobs, testing::Range(1u, 201u));

}  // namespace
