#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <utility>
#include <vector>

#include "core/optimiser/BranchAndPrice.h"
#include "core/optimiser/FirstFitPatterns.h"
#include "core/optimiser/PieceTypes.h"
#include "tests/core/SmallJobs.h"

namespace {

struct Searched {
    std::int64_t rootBound = 0;  // the bound once the first node is done
    std::int64_t bound = 0;
    std::vector<PatternUse> best;
    std::int64_t bars = 0;
};

Searched Search(const PieceTypes& types, const std::vector<Pattern>& startFrom = {}) {
    const std::vector<std::int64_t> pieces = PiecesByType(types);
    const PlanningBudget budget = PlanningBudget::Seconds(60.0);
    BranchAndPrice search(types, budget, FirstFitPatterns(types, pieces), 1);
    search.StartFrom(startFrom);
    Searched searched;
    bool more = search.Step();
    searched.rootBound = search.LowerBound();
    while (more) {
        more = search.Step();
    }
    searched.bound = search.LowerBound();
    searched.best = search.Best();
    searched.bars = search.BestBars();
    return searched;
}

// Every pattern that leaves no room for another piece of any type left.
std::vector<Pattern> FullPatterns(const PieceTypes& types) {
    std::vector<Pattern> patterns;
    Pattern pattern;
    const std::function<void(std::size_t, float)> fill = [&](std::size_t t, float room) {
        if (t == types.Types.size()) {
            bool full = !pattern.empty();
            for (std::size_t u = 0; u < types.Types.size() && full; ++u) {
                std::int64_t taken = 0;
                for (const TypeCount& entry : pattern) {
                    taken += entry.Type == static_cast<std::int32_t>(u) ? entry.Count : 0;
                }
                full = taken == types.Types[u].Pieces || types.Types[u].Length > room;
            }
            if (full) {
                patterns.push_back(pattern);
            }
            return;
        }
        const float length = types.Types[t].Length;
        for (std::int64_t count = 0; count <= types.Types[t].Pieces; ++count) {
            const float left = room - static_cast<float>(count) * length;
            if (left < 0.0f) {
                break;
            }
            if (count > 0) {
                pattern.push_back({static_cast<std::int32_t>(t), count});
            }
            fill(t + 1, left);
            if (count > 0) {
                pattern.pop_back();
            }
        }
    };
    fill(0, types.BarLength);
    return patterns;
}

// Every piece cut once, every bar within the bar's length.
void ExpectSoundPlan(const PieceTypes& types, const Searched& searched) {
    std::vector<std::int64_t> cut(types.Types.size(), 0);
    std::int64_t bars = 0;
    for (const PatternUse& use : searched.best) {
        EXPECT_TRUE(LeftoverOf(use.Bar, types)) << "a bar overfilled";
        for (const TypeCount& entry : use.Bar) {
            cut[static_cast<std::size_t>(entry.Type)] += entry.Count * use.Bars;
        }
        bars += use.Bars;
    }
    for (std::size_t t = 0; t < types.Types.size(); ++t) {
        EXPECT_EQ(cut[t], types.Types[t].Pieces) << "type " << t;
    }
    EXPECT_EQ(bars, searched.bars);
}

TEST(BranchAndPrice, ProvesTheOptimumOfSmallJobs) {
    for (unsigned seed = 1; seed <= 150; ++seed) {
        std::mt19937 random(seed);
        std::vector<int> lengths(6 + random() % 6);
        for (int& length : lengths) {
            length = 15 + static_cast<int>(random() % 56);
        }
        const PieceTypes types = MakeTypes(100.0f, lengths);
        const std::int64_t optimum = FewestByTrying(types);
        const Searched searched = Search(types);
        ExpectSoundPlan(types, searched);
        EXPECT_LE(searched.rootBound, optimum) << "seed " << seed;
        EXPECT_EQ(searched.bars, optimum) << "seed " << seed;
        EXPECT_EQ(searched.bound, optimum) << "seed " << seed;
    }
}

// Jobs whose relaxation, rounded up, is a bar below the optimum (found by a
// random search over small jobs): only the search beyond the first node can
// prove their plans.
TEST(BranchAndPrice, ProvesJobsWhoseRelaxationFallsABarShort) {
    struct Job {
        float bar;
        std::vector<std::pair<int, int>> piecesOfLength;
    };
    const std::vector<Job> jobs = {
        {18.0f, {{1, 13}, {1, 12}, {3, 9}, {3, 7}, {3, 6}, {4, 4}}},
        {18.0f, {{3, 15}, {3, 10}, {3, 9}, {3, 6}, {3, 4}}},
        {22.0f, {{1, 21}, {3, 19}, {3, 10}, {3, 9}, {3, 6}, {3, 4}}},
        {24.0f, {{4, 13}, {3, 12}, {4, 8}, {3, 5}}},
        {28.0f, {{2, 25}, {4, 16}, {3, 14}, {4, 9}, {3, 6}}},
    };
    for (const Job& job : jobs) {
        std::vector<int> lengths;
        for (const auto& [pieces, length] : job.piecesOfLength) {
            lengths.insert(lengths.end(), static_cast<std::size_t>(pieces), length);
        }
        const PieceTypes types = MakeTypes(job.bar, lengths);
        const std::int64_t optimum = FewestByTrying(types);
        // Once from a piece to a bar, once from every full pattern of the
        // pieces' types, handed out over the pieces of each.
        for (const std::vector<Pattern>& startFrom :
             {std::vector<Pattern>{}, FullPatterns(types)}) {
            const Searched searched = Search(types, startFrom);
            ExpectSoundPlan(types, searched);
            EXPECT_EQ(searched.rootBound, optimum - 1) << "bar " << job.bar;
            EXPECT_EQ(searched.bars, optimum) << "bar " << job.bar;
            EXPECT_EQ(searched.bound, optimum) << "bar " << job.bar;
        }
    }
}

TEST(BranchAndPrice, TheSameJobGivesTheSamePlan) {
    std::mt19937 random(11);
    std::vector<int> lengths(60);
    for (int& length : lengths) {
        length = 20000 + static_cast<int>(random() % 15001);
    }
    const PieceTypes types = MakeTypes(100000.0f, lengths);
    const Searched first = Search(types);
    const Searched second = Search(types);
    ASSERT_EQ(first.best.size(), second.best.size());
    for (std::size_t i = 0; i < first.best.size(); ++i) {
        EXPECT_EQ(first.best[i].Bar, second.best[i].Bar);
        EXPECT_EQ(first.best[i].Bars, second.best[i].Bars);
    }
    EXPECT_EQ(first.bound, first.bars);
}

}  // namespace
