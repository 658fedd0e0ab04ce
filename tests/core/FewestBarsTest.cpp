#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <random>
#include <utility>
#include <vector>

#include "core/optimiser/FewestBars.h"
#include "core/plan/Refusals.h"
#include "tests/core/HandBuiltJob.h"

namespace {

std::int64_t PiecesOfQuantity(float quantity) {
    std::int64_t pieces = 0;
    while (quantity > 0.0f) {
        quantity = quantity - 1.0f;
        ++pieces;
    }
    return pieces;
}

struct Job {
    BarSettings bar;
    std::vector<JobRow> rows;
};

// Lengths on a sixteenth grid (where exact fits abound) or to the thousandth
// (where the 32-bit sums round), quantities with fractions, zeros and
// negatives, and now and then rows out of order.
Job MakeRandomJob(unsigned seed) {
    std::mt19937 random(seed);
    const std::vector<float> barLengths{96.0f, 240.0f, 144.5f, 20.0f};
    const std::vector<float> cutWidths{0.0f, 0.125f, 0.5f};
    Job job;
    job.bar.barLength = barLengths[random() % barLengths.size()];
    job.bar.cutWidth = cutWidths[random() % cutWidths.size()];
    job.bar.scrapBelow = static_cast<float>(random() % 40) / 2.0f;
    const bool thousandths = random() % 2 == 0;
    const int steps = thousandths ? 1000 : 16;
    const int most = static_cast<int>((job.bar.barLength - job.bar.cutWidth) * steps);
    std::vector<float> lengths(1 + random() % 30);
    for (float& length : lengths) {
        length = static_cast<float>(1 + random() % most) / static_cast<float>(steps);
    }
    if (random() % 4 != 0) {
        std::sort(lengths.rbegin(), lengths.rend());
    }
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        const int whole = static_cast<int>(random() % 12) - 1;
        const std::string quantity = std::to_string(whole) + (random() % 5 == 0 ? ".5" : "");
        job.rows.push_back(
            {quantity, std::to_string(lengths[i]), std::to_string(i + 1), lengths[i]});
    }
    return job;
}

PlanOutcome Plan(const PreparedCutList& list, double seconds = 10.0) {
    return PlanFewestBars(list, PlanningBudget::Seconds(seconds));
}

// Every piece placed once; every bar's pieces longest first, each fitting
// what the 32-bit test leaves; leftovers and totals as that test leaves them.
void ExpectSoundPlan(const PreparedCutList& list, const PlanOutcome& result) {
    const CuttingPlan& plan = *result.Plan;
    std::vector<std::int64_t> unplaced(static_cast<std::size_t>(list.UsedRows) + 1);
    for (int row = 1; row <= list.UsedRows; ++row) {
        unplaced[static_cast<std::size_t>(row)] = PiecesOfQuantity(list.PieceQty[row]);
    }
    float scrap = 0.0f;
    float remaining = 0.0f;
    for (const PlannedBar& bar : plan.Bars) {
        float left = list.BarLength;
        float previous = list.BarLength;
        for (const PieceRun& run : plan.RunsOf(bar)) {
            ASSERT_GE(run.Row, 1);
            ASSERT_LE(run.Row, list.UsedRows);
            const float length = list.PieceLen[run.Row];
            EXPECT_LE(length, previous) << "pieces not longest first";
            previous = length;
            ASSERT_LE(run.Count, unplaced[static_cast<std::size_t>(run.Row)]);
            unplaced[static_cast<std::size_t>(run.Row)] -= run.Count;
            for (int piece = 0; piece < run.Count; ++piece) {
                ASSERT_GE(left, length) << "a bar overfilled";
                left = left - length;
            }
        }
        EXPECT_EQ(bar.Left, left);
        (plan.IsScrap(bar) ? scrap : remaining) += bar.Left;
    }
    EXPECT_EQ(std::count(unplaced.begin() + 1, unplaced.end(), 0), list.UsedRows);
    EXPECT_EQ(plan.TotalScrap, scrap);
    EXPECT_EQ(plan.TotalRemaining, remaining);
    EXPECT_EQ(plan.BarLength, list.BarLength);
    EXPECT_EQ(plan.ScrapBelow, list.ScrapBelow);
    const auto bars = static_cast<std::int64_t>(plan.Bars.size());
    EXPECT_GE(bars, result.LowerBound);
    EXPECT_EQ(result.ProvenMinimal, bars == result.LowerBound);
}

int FirstFitBars(const Job& job) {
    HandBuiltJob nested(job.bar, job.rows);
    const PlanOutcome result = nested.PlanFirstFit(false, false);
    return result.Refused ? -1 : static_cast<int>(result.Plan->Bars.size());
}

class RandomFewestBarsJobs : public testing::TestWithParam<unsigned> {};

TEST_P(RandomFewestBarsJobs, SoundPlanNeverWorseThanFirstFit) {
    const Job job = MakeRandomJob(GetParam());
    const HandBuiltJob prepared(job.bar, job.rows);
    const PlanOutcome result = Plan(prepared.cutList);
    const int firstFit = FirstFitBars(job);
    if (firstFit < 0) {
        EXPECT_TRUE(result.Refused);
        return;
    }
    ASSERT_FALSE(result.Refused) << *result.Refused;
    ExpectSoundPlan(prepared.cutList, result);
    EXPECT_LE(static_cast<int>(result.Plan->Bars.size()), firstFit);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomFewestBarsJobs, testing::Range(1u, 161u));

// The fewest bars by trying every assignment: pieces longest first, each into
// a bar already open or a new one, so each bar's pieces arrive in the order
// they stand.
int BruteForceBars(const PreparedCutList& list) {
    std::vector<float> pieces;
    for (int row = 1; row <= list.UsedRows; ++row) {
        for (std::int64_t p = PiecesOfQuantity(list.PieceQty[row]); p > 0; --p) {
            pieces.push_back(list.PieceLen[row]);
        }
    }
    std::sort(pieces.rbegin(), pieces.rend());
    int best = static_cast<int>(pieces.size());
    std::vector<float> left;
    std::function<void(std::size_t)> place = [&](std::size_t next) {
        if (static_cast<int>(left.size()) >= best) {
            return;
        }
        if (next == pieces.size()) {
            best = static_cast<int>(left.size());
            return;
        }
        for (std::size_t bar = 0; bar < left.size(); ++bar) {
            if (left[bar] >= pieces[next]) {
                const float before = left[bar];
                left[bar] = before - pieces[next];
                place(next + 1);
                left[bar] = before;
            }
        }
        left.push_back(list.BarLength - pieces[next]);
        place(next + 1);
        left.pop_back();
    };
    place(0);
    return std::max(best, 1);
}

class SmallFewestBarsJobs : public testing::TestWithParam<unsigned> {};

TEST_P(SmallFewestBarsJobs, AsFewBarsAsAnyPlan) {
    std::mt19937 random(GetParam());
    Job job;
    job.bar = {100.0f, random() % 2 == 0 ? 0.0f : 0.25f, 10.0f};
    const int rows = 1 + static_cast<int>(random() % 5);
    int pieces = 0;
    for (int row = 0; row < rows && pieces < 9; ++row) {
        const int quantity = 1 + static_cast<int>(random() % 3);
        const float length = static_cast<float>(15 + random() % 60) + (random() % 3) * 0.333f;
        job.rows.push_back({std::to_string(quantity), std::to_string(length), "", length});
        pieces += quantity;
    }
    std::sort(job.rows.begin(), job.rows.end(),
              [](const JobRow& a, const JobRow& b) { return *a.decimal > *b.decimal; });
    const HandBuiltJob prepared(job.bar, job.rows);
    const PlanOutcome result = Plan(prepared.cutList);
    ASSERT_FALSE(result.Refused) << *result.Refused;
    ExpectSoundPlan(prepared.cutList, result);
    const int optimum = BruteForceBars(prepared.cutList);
    EXPECT_EQ(static_cast<int>(result.Plan->Bars.size()), optimum);
    EXPECT_LE(result.LowerBound, optimum);
}

INSTANTIATE_TEST_SUITE_P(Seeds, SmallFewestBarsJobs, testing::Range(1u, 121u));

// Triplets of pieces that fill bars of 1000 exactly, where first fit longest
// first needs more bars than the triplets.
PreparedCutList TripletJob(int triplets, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<int> lengths;
    for (int t = 0; t < triplets; ++t) {
        const int first = 380 + static_cast<int>(random() % 111);
        const int rest = 1000 - first;
        const int second = 250 + static_cast<int>(random() % (rest / 2 - 249));
        lengths.insert(lengths.end(), {first, second, rest - second});
    }
    std::sort(lengths.rbegin(), lengths.rend());
    PreparedCutList list;
    list.BarLength = 1000.0f;
    for (const int length : lengths) {
        list.UsedRows += 1;
        list.PieceLen[list.UsedRows] = static_cast<float>(length);
        list.PieceQty[list.UsedRows] = 1.0f;
    }
    return list;
}

TEST(FewestBars, TripletsFillEveryBarWhereFirstFitCannot) {
    const PreparedCutList list = TripletJob(40, 7);
    Job firstFit{{1000.0f, 0.0f, 0.0f}, {}};
    for (int row = 1; row <= list.UsedRows; ++row) {
        const std::string length = std::to_string(static_cast<int>(list.PieceLen[row]));
        firstFit.rows.push_back({"1", length, "", list.PieceLen[row]});
    }
    ASSERT_GT(FirstFitBars(firstFit), 40);
    // Far more time than the search needs, so that a slow build (the
    // sanitizers on a loaded machine) still gets to the proof.
    const PlanOutcome result = Plan(list, 300.0);
    ExpectSoundPlan(list, result);
    EXPECT_EQ(result.Plan->Bars.size(), 40u);
    EXPECT_EQ(result.LowerBound, 40);
    EXPECT_TRUE(result.ProvenMinimal);
}

// Five times a job whose relaxation falls a bar short: identical pieces by
// the dozen, which only a search over their counts sees through. The second
// job has over six million ways of counts still to cut.
TEST(FewestBars, ProvesAJobOfFewLengthsWhoseRelaxationFallsABarShort) {
    using Rows = std::vector<std::pair<int, int>>;
    const std::vector<std::pair<float, Rows>> jobs{
        {24.0f, {{20, 13}, {15, 12}, {20, 8}, {15, 5}}},
        {22.0f, {{5, 21}, {15, 19}, {15, 10}, {15, 9}, {15, 6}, {15, 4}}},
    };
    for (const auto& [bar, rows] : jobs) {
        PreparedCutList list;
        list.BarLength = bar;
        for (const auto& [pieces, length] : rows) {
            list.UsedRows += 1;
            list.PieceLen[list.UsedRows] = static_cast<float>(length);
            list.PieceQty[list.UsedRows] = static_cast<float>(pieces);
        }
        const PlanOutcome result = Plan(list, 300.0);
        ExpectSoundPlan(list, result);
        EXPECT_TRUE(result.ProvenMinimal) << "bar " << bar;
        EXPECT_EQ(static_cast<std::int64_t>(result.Plan->Bars.size()), result.LowerBound);
    }
}

TEST(FewestBars, BarsWithTheSamePiecesStandTogether) {
    const HandBuiltJob prepared(kExampleBar,
                                {{"6", "110", "1"}, {"6", "60", "2"}, {"3", "100", "3"}});
    const PlanOutcome result = Plan(prepared.cutList);
    ExpectSoundPlan(prepared.cutList, result);
    std::vector<std::vector<int>> seen;
    for (const PlannedBar& bar : result.Plan->Bars) {
        std::vector<int> rows;
        for (const PieceRun& run : result.Plan->RunsOf(bar)) {
            rows.insert(rows.end(), static_cast<std::size_t>(run.Count), run.Row);
        }
        if (seen.empty() || seen.back() != rows) {
            EXPECT_EQ(std::find(seen.begin(), seen.end(), rows), seen.end()) << "equal bars apart";
            seen.push_back(rows);
        }
    }
}

TEST(FewestBars, RefusesWhatTheNestingRefuses) {
    const struct {
        BarSettings bar;
        std::vector<JobRow> rows;
        const char* refusal;
    } cases[] = {
        {kExampleBar, {{"1", "96", "1"}, {"1", "250", "2"}}, kBarShorterThanPiece},
        {kExampleBar, {{"16777216", "96", "1"}, {"1", "30", "2"}}, kQuantityTooLarge},
        {{100.0f, -0.5f, 0.0f}, {{"3", "60", "1"}}, kBarShorterThanPiece},
        // Too many pieces and a piece too long: the piece is named, as the
        // nesting names it.
        {kExampleBar,
         {{"16777216", "96", "1"}, {"1", "30", "2"}, {"1", "250", "3"}},
         kBarShorterThanPiece},
    };
    for (const auto& c : cases) {
        HandBuiltJob prepared(c.bar, c.rows);
        EXPECT_EQ(Plan(prepared.cutList).Refused, c.refusal);
        EXPECT_EQ(PlanFirstFit(prepared.cutList, {}).Refused, c.refusal);
    }
}

TEST(FewestBars, PiecesWithoutLengthCloseTheFirstBar) {
    BarSettings bar{100.0f, 0.0f, 0.0f};
    const HandBuiltJob prepared(bar, {{"2", "60", "1"}, {"3", "0", "2"}});
    const PlanOutcome result = Plan(prepared.cutList);
    ExpectSoundPlan(prepared.cutList, result);
    ASSERT_EQ(result.Plan->Bars.size(), 2u);
    EXPECT_EQ(result.Plan->RunsOf(result.Plan->Bars[0]).back().Row, 2);
}

TEST(FewestBars, AJobWithoutPiecesHasOneEmptyBar) {
    const HandBuiltJob prepared(kExampleBar, {{"0", "96", "1"}});
    const PlanOutcome result = Plan(prepared.cutList);
    ASSERT_EQ(result.Plan->Bars.size(), 1u);
    EXPECT_EQ(result.Plan->Bars[0].Left, 240.0f);
    EXPECT_TRUE(result.ProvenMinimal);
}

TEST(FewestBars, NoTimeLeftStillGivesFirstFitsPlanNotProvenMinimal) {
    const PreparedCutList list = TripletJob(40, 7);
    const PlanOutcome result = Plan(list, 0.0);
    ExpectSoundPlan(list, result);
    EXPECT_GT(result.Plan->Bars.size(), 40u);
    EXPECT_FALSE(result.ProvenMinimal);
    EXPECT_FALSE(result.Cancelled);
}

TEST(FewestBars, CancelledSearchGivesNoPlan) {
    const PreparedCutList list = TripletJob(40, 7);
    const std::atomic<bool> cancelled{true};
    const PlanOutcome result = PlanFewestBars(list, PlanningBudget::Seconds(10.0, &cancelled));
    EXPECT_TRUE(result.Cancelled);
    EXPECT_EQ(result.Plan, nullptr);
}

}  // namespace

// A clock that moves on a millisecond at every reading, so the search's
// deadline comes after so many readings whatever the machine's speed.
struct ReadingClock {
    PlanningBudget::Clock::time_point start = PlanningBudget::Clock::now();
    std::int64_t readings = 0;
    PlanningBudget::Clock::time_point Read() {
        return start + std::chrono::milliseconds(++readings);
    }
};

TEST(FewestBars, StopsSoonAfterTheDeadlineOfItsClockTellingItsProgress) {
    for (const std::int64_t budgetReadings : {5, 300, 3000}) {
        const PreparedCutList list = TripletJob(60, 11);
        auto clock = std::make_shared<ReadingClock>();
        PlanningBudget budget;
        budget.ReadClock = [clock] { return clock->Read(); };
        budget.Deadline = clock->start + std::chrono::milliseconds(budgetReadings);
        std::vector<std::pair<double, double>> told;
        budget.Progress = [&told](const PlanProgress& progress) {
            EXPECT_EQ(progress.Counts, PlanProgress::Measure::Bars);
            told.emplace_back(progress.Best, progress.Bound);
        };
        const PlanOutcome result = PlanFewestBars(list, budget);
        ExpectSoundPlan(list, result);
        // Each part that finds the deadline passed ends at once.
        EXPECT_LE(clock->readings, budgetReadings + 16) << budgetReadings;
        ASSERT_FALSE(told.empty());
        for (std::size_t i = 1; i < told.size(); ++i) {
            EXPECT_LE(told[i].first, told[i - 1].first);
            EXPECT_GE(told[i].second, told[i - 1].second);
        }
        EXPECT_EQ(told.back().first, static_cast<double>(result.Plan->Bars.size()));
        EXPECT_EQ(told.back().second, static_cast<double>(result.LowerBound));
    }
}
