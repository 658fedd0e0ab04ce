#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/optimiser/CountSearch.h"
#include "core/optimiser/FirstFitPatterns.h"
#include "tests/core/SmallJobs.h"

namespace {

// Few lengths, several pieces of each, as a workshop's cut list has them.
PieceTypes RandomJob(unsigned seed) {
    std::mt19937 random(seed);
    std::vector<int> lengths;
    const int kinds = 2 + static_cast<int>(random() % 3);
    for (int kind = 0; kind < kinds; ++kind) {
        const int length = 12 + static_cast<int>(random() % 60);
        lengths.insert(lengths.end(), 1 + random() % 4, length);
    }
    return MakeTypes(100.0f, lengths);
}

TEST(CountSearch, FindsTheFewestBarsOrShowsThereAreNoFewer) {
    const PlanningBudget budget = PlanningBudget::Seconds(60.0);
    for (unsigned seed = 1; seed <= 100; ++seed) {
        const PieceTypes types = RandomJob(seed);
        const std::vector<std::int64_t> pieces = PiecesByType(types);
        const std::int64_t optimum = FewestByTrying(types);

        const CountSearchOutcome found = SearchByCounts(types, pieces, optimum, budget);
        ASSERT_TRUE(found.Settled && found.Plan) << "seed " << seed;
        EXPECT_EQ(BarsOf(*found.Plan), optimum) << "seed " << seed;
        std::vector<std::int64_t> cut(pieces.size(), 0);
        for (const PatternUse& use : *found.Plan) {
            EXPECT_TRUE(LeftoverOf(use.Bar, types)) << "seed " << seed << ": a bar overfilled";
            for (const TypeCount& entry : use.Bar) {
                cut[static_cast<std::size_t>(entry.Type)] += entry.Count * use.Bars;
            }
        }
        EXPECT_EQ(cut, pieces) << "seed " << seed;

        const CountSearchOutcome fewer = SearchByCounts(types, pieces, optimum - 1, budget);
        EXPECT_TRUE(fewer.Settled && !fewer.Plan) << "seed " << seed;
    }
}

TEST(CountSearch, LeavesJobsOfTooManyWaysUnsettled) {
    std::vector<int> lengths;
    for (int length = 10; length < 40; ++length) {
        lengths.insert(lengths.end(), 3, length);
    }
    const PieceTypes types = MakeTypes(100.0f, lengths);
    const CountSearchOutcome outcome =
        SearchByCounts(types, PiecesByType(types), 90, PlanningBudget::Seconds(60.0));
    EXPECT_FALSE(outcome.Settled);
}

}  // namespace
