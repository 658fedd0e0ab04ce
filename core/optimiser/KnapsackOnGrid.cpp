#include "core/optimiser/KnapsackOnGrid.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>

#include "core/optimiser/FractionalFill.h"

namespace {

// The programme reads the clock after about this many of its steps: a bar of
// a million units with a thousand bundles would otherwise hold the search
// for a second.
constexpr std::size_t kStepsBetweenClockReadings = std::size_t{1} << 18;

// No pattern is worth more than the items taken in order of worth per
// length, the last one in part.
double FractionalBound(std::vector<KnapsackItem> items, double capacity) {
    std::sort(items.begin(), items.end(), [](const KnapsackItem& a, const KnapsackItem& b) {
        return a.Worth * b.Weight > b.Worth * a.Weight;
    });
    FractionalFill fill;
    for (const KnapsackItem& item : items) {
        fill.Add(item.Weight, item.Worth, static_cast<double>(item.Most));
    }
    return fill.Worth(0, capacity);
}

}  // namespace

// Bounded knapsack over whole units: each type's pieces are split into
// bundles of 1, 2, 4, ... pieces, and every bundle is a 0/1 choice.
std::optional<KnapsackOutcome> GridPatterns(const std::vector<KnapsackItem>& items, double capacity,
                                            double threshold, std::size_t keep, double unit,
                                            const KnapsackSettings& settings,
                                            const PlanningBudget& budget) {
    if (!(unit > 0.0) || !(capacity >= 0.0) || capacity / unit > settings.MostGridUnits) {
        return std::nullopt;
    }
    const auto units = static_cast<std::size_t>(std::floor(capacity / unit));
    struct Bundle {
        std::size_t Weight;
        double Worth;
        std::int64_t Pieces;
        std::int32_t Type;
    };
    std::vector<Bundle> bundles;
    for (const KnapsackItem& item : items) {
        const auto weight = static_cast<std::size_t>(std::llround(item.Weight / unit));
        std::int64_t left = item.Most;
        for (std::int64_t size = 1; left > 0; size *= 2) {
            const std::int64_t take = std::min(size, left);
            bundles.push_back({weight * static_cast<std::size_t>(take),
                               item.Worth * static_cast<double>(take), take, item.Type});
            left -= take;
        }
    }
    if (bundles.size() * (units + 1) > settings.MostChoiceBits) {
        return std::nullopt;
    }
    std::vector<double> best(units + 1, 0.0);
    // A row of choices per bundle, one bit per capacity packed in words, each
    // row made as its bundle is weighed: the whole table of a long bar takes
    // long enough to fill that the budget may end on the way.
    const std::size_t words = units / 64 + 1;
    std::vector<std::uint64_t> chosen;
    chosen.reserve(bundles.size() * words);
    bool stopped = false;
    std::size_t steps = 0;
    for (const Bundle& bundle : bundles) {
        steps += units + 1;
        if (steps >= kStepsBetweenClockReadings) {
            steps = 0;
            if (budget.Over()) {
                stopped = true;
                break;
            }
        }
        chosen.resize(chosen.size() + words, 0);
        std::uint64_t* row = chosen.data() + chosen.size() - words;
        // From the top down, so each capacity reads a smaller one not yet
        // changed by this bundle. The choices, as unpredictable as the
        // worths, are taken without a branch and stored a word at a time.
        double* worth = best.data();
        for (std::size_t word = words; word-- > bundle.Weight / 64;) {
            const std::size_t low = std::max(word * 64, bundle.Weight);
            std::uint64_t bits = 0;
            for (std::size_t c = std::min(word * 64 + 64, units + 1); c-- > low;) {
                const double with = worth[c - bundle.Weight] + bundle.Worth;
                const bool take = with > worth[c];
                worth[c] = take ? with : worth[c];
                bits |= static_cast<std::uint64_t>(take) << (c % 64);
            }
            row[word] = bits;
        }
    }
    const std::size_t rows = chosen.size() / words;
    auto isChosen = [&](std::size_t b, std::size_t c) {
        return (chosen[b * words + c / 64] >> (c % 64) & 1U) != 0;
    };
    KnapsackOutcome outcome;
    outcome.Complete = !stopped;
    outcome.Best = best[units];
    outcome.UpperBound =
        stopped ? std::max(best[units], FractionalBound(items, capacity)) : best[units];
    // The pieces of each type in the best pattern within a capacity.
    auto tracedBack = [&](std::size_t within) {
        std::map<std::int32_t, std::int64_t> counts;
        std::size_t c = within;
        for (std::size_t b = rows; b-- > 0;) {
            if (isChosen(b, c)) {
                counts[bundles[b].Type] += bundles[b].Pieces;
                c -= bundles[b].Weight;
            }
        }
        return counts;
    };
    auto patternOf = [](const std::map<std::int32_t, std::int64_t>& counts) {
        Pattern pattern;
        for (const auto& [type, count] : counts) {
            pattern.push_back({type, count});
        }
        return pattern;
    };
    const std::size_t most = keep > 0 ? keep + settings.PatternsThroughTypes : 0;
    if (most > 0 && best[units] > threshold) {
        outcome.Found.push_back(patternOf(tracedBack(units)));
    }
    // Then the best pattern through each type: one of its pieces and the best
    // of what is left of the bar. They span many types at once, so the
    // relaxation settles in far fewer rounds than with the best pattern alone.
    // Ranked by worth first, so only the patterns kept are traced back.
    struct Through {
        double Worth;
        std::size_t Weight;
        const KnapsackItem* Item;
    };
    std::vector<Through> through;
    for (const KnapsackItem& item : items) {
        const auto weight = static_cast<std::size_t>(std::llround(item.Weight / unit));
        if (most > 1 && weight <= units && best[units - weight] + item.Worth > threshold) {
            through.push_back({best[units - weight] + item.Worth, weight, &item});
        }
    }
    std::stable_sort(through.begin(), through.end(),
                     [](const Through& a, const Through& b) { return a.Worth > b.Worth; });
    for (const auto& [worth, weight, item] : through) {
        if (outcome.Found.size() >= most) {
            break;
        }
        std::map<std::int32_t, std::int64_t> counts = tracedBack(units - weight);
        if (++counts[item->Type] > item->Most) {
            continue;
        }
        Pattern pattern = patternOf(counts);
        if (std::find(outcome.Found.begin(), outcome.Found.end(), pattern) == outcome.Found.end()) {
            outcome.Found.push_back(std::move(pattern));
        }
    }
    return outcome;
}
