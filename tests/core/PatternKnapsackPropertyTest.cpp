#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>
#include <vector>

#include "core/optimiser/KnapsackBranchAndBound.h"
#include "core/optimiser/KnapsackOnGrid.h"

namespace {

// A small bar with whole-number lengths: both algorithms apply, and the
// bar's 32-bit test is exact there.
struct Instance {
    PieceTypes types;
    std::vector<KnapsackItem> items;
};

Instance RandomInstance(unsigned seed) {
    std::mt19937 random(seed);
    Instance instance;
    const int bar = std::uniform_int_distribution<int>(5, 120)(random);
    instance.types.BarLength = static_cast<float>(bar);
    const int typeCount = std::uniform_int_distribution<int>(1, 7)(random);
    std::vector<int> lengths;
    for (int t = 0; t < typeCount; ++t) {
        lengths.push_back(std::uniform_int_distribution<int>(1, bar)(random));
    }
    std::sort(lengths.rbegin(), lengths.rend());
    lengths.erase(std::unique(lengths.begin(), lengths.end()), lengths.end());
    for (std::size_t t = 0; t < lengths.size(); ++t) {
        const std::int64_t pieces = std::uniform_int_distribution<std::int64_t>(1, 9)(random);
        instance.types.Types.push_back({static_cast<float>(lengths[t]), pieces, {}});
        const double worth = std::uniform_real_distribution<double>(0.0, 1.0)(random);
        instance.items.push_back(
            {static_cast<double>(lengths[t]), worth, pieces, static_cast<std::int32_t>(t)});
    }
    return instance;
}

double WorthOf(const Pattern& pattern, const std::vector<KnapsackItem>& items) {
    double worth = 0.0;
    for (const TypeCount& entry : pattern) {
        worth +=
            items[static_cast<std::size_t>(entry.Type)].Worth * static_cast<double>(entry.Count);
    }
    return worth;
}

void ExpectSoundPatterns(const KnapsackOutcome& outcome, const Instance& instance,
                         double threshold) {
    for (const Pattern& pattern : outcome.Found) {
        EXPECT_TRUE(LeftoverOf(pattern, instance.types)) << "a pattern the bar cannot hold";
        EXPECT_GT(WorthOf(pattern, instance.items), threshold);
        for (const TypeCount& entry : pattern) {
            EXPECT_LE(entry.Count, instance.items[static_cast<std::size_t>(entry.Type)].Most);
        }
    }
    ASSERT_FALSE(outcome.Found.empty());
    EXPECT_NEAR(WorthOf(outcome.Found.front(), instance.items), outcome.Best, 1e-9);
}

class RandomKnapsacks : public testing::TestWithParam<unsigned> {};

TEST_P(RandomKnapsacks, BothAlgorithmsFindTheSameBestPattern) {
    const Instance instance = RandomInstance(GetParam());
    const double capacity = instance.types.BarLength;
    const std::vector<KnapsackItem> items = UsableItems(instance.items, capacity);
    const KnapsackOutcome searched = BranchAndBoundPatterns(items, capacity, 0.0, 3, 1 << 24);
    const std::optional<KnapsackOutcome> programmed =
        GridPatterns(items, capacity, 0.0, 3, 1.0, KnapsackSettings{});
    ASSERT_TRUE(programmed);
    ASSERT_TRUE(searched.Complete);
    EXPECT_NEAR(searched.Best, programmed->Best, 1e-9 * std::max(1.0, searched.Best));
    EXPECT_NEAR(searched.UpperBound, programmed->UpperBound, 1e-9 * std::max(1.0, searched.Best));
    ExpectSoundPatterns(searched, instance, 0.0);
    ExpectSoundPatterns(*programmed, instance, 0.0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomKnapsacks, testing::Range(1u, 201u));

}  // namespace
