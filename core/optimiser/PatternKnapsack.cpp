#include "core/optimiser/PatternKnapsack.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

namespace {

// The most pieces of one length that a free length takes, by exact products.
std::int64_t MostThatFit(double weight, double capacity, std::int64_t most) {
    if (capacity < weight) {
        return 0;
    }
    const double estimate = std::floor(capacity / weight);
    if (estimate >= static_cast<double>(most)) {
        return most;
    }
    auto count = static_cast<std::int64_t>(estimate);
    while (count > 0 && static_cast<double>(count) * weight > capacity) {
        --count;
    }
    while (count < most && static_cast<double>(count + 1) * weight <= capacity) {
        ++count;
    }
    return count;
}

class Search {
  public:
    Search(std::vector<KnapsackItem> items, double threshold, std::size_t keep,
           std::int64_t nodeLimit)
        : items_(std::move(items)),
          threshold_(threshold),
          keep_(std::max<std::size_t>(keep, 1)),
          nodeLimit_(nodeLimit),
          counts_(items_.size(), 0) {
        weightBefore_.push_back(0.0);
        worthBefore_.push_back(0.0);
        for (const KnapsackItem& item : items_) {
            weightBefore_.push_back(weightBefore_.back() +
                                    item.Weight * static_cast<double>(item.Most));
            worthBefore_.push_back(worthBefore_.back() +
                                   item.Worth * static_cast<double>(item.Most));
        }
    }

    // The worth of filling the free length from the types from `first` on,
    // the type that no longer fits whole taken in part.
    double FractionalWorth(std::size_t first, double capacity) const {
        const double limit = weightBefore_[first] + capacity;
        const auto end = std::upper_bound(weightBefore_.begin() + static_cast<long>(first) + 1,
                                          weightBefore_.end(), limit);
        const std::size_t whole = static_cast<std::size_t>(end - weightBefore_.begin()) - 1;
        double worth = worthBefore_[whole] - worthBefore_[first];
        if (whole < items_.size()) {
            const KnapsackItem& item = items_[whole];
            worth += (limit - weightBefore_[whole]) * item.Worth / item.Weight;
        }
        return worth;
    }

    void Run(double capacity) {
        rootBound_ = FractionalWorth(0, capacity);
        Visit(0, capacity, 0.0, false);
    }

    KnapsackOutcome Outcome() {
        KnapsackOutcome outcome;
        std::sort(found_.begin(), found_.end(),
                  [](const auto& a, const auto& b) { return a.first > b.first; });
        for (auto& [worth, pattern] : found_) {
            outcome.Found.push_back(std::move(pattern));
        }
        outcome.Best = best_;
        outcome.Complete = nodes_ <= nodeLimit_;
        // Branches were cut only where they could not beat the threshold.
        outcome.UpperBound = std::max(best_, outcome.Complete ? threshold_ : rootBound_);
        return outcome;
    }

  private:
    // The worth a new pattern must beat to be kept.
    double Bar() const {
        return found_.size() < keep_ ? threshold_ : std::max(threshold_, found_.back().first);
    }

    void Record(double worth) {
        best_ = std::max(best_, worth);
        if (worth <= Bar()) {
            return;
        }
        Pattern pattern;
        for (std::size_t i = 0; i < items_.size(); ++i) {
            if (counts_[i] > 0) {
                pattern.push_back({items_[i].Type, counts_[i]});
            }
        }
        std::sort(pattern.begin(), pattern.end(),
                  [](const TypeCount& a, const TypeCount& b) { return a.Type < b.Type; });
        if (found_.size() == keep_) {
            found_.pop_back();
        }
        found_.emplace_back(worth, std::move(pattern));
        std::sort(found_.begin(), found_.end(),
                  [](const auto& a, const auto& b) { return a.first > b.first; });
    }

    void Visit(std::size_t level, double capacity, double worth, bool added) {
        if (++nodes_ > nodeLimit_) {
            return;
        }
        if (added) {
            Record(worth);
        }
        if (level == items_.size()) {
            return;
        }
        if (worth + FractionalWorth(level, capacity) <= Bar()) {
            return;
        }
        const KnapsackItem& item = items_[level];
        for (std::int64_t count = MostThatFit(item.Weight, capacity, item.Most); count >= 0;
             --count) {
            counts_[level] = count;
            Visit(level + 1, capacity - static_cast<double>(count) * item.Weight,
                  worth + static_cast<double>(count) * item.Worth, count > 0);
            if (nodes_ > nodeLimit_) {
                break;
            }
        }
        counts_[level] = 0;
    }

    std::vector<KnapsackItem> items_;
    double threshold_;
    std::size_t keep_;
    std::int64_t nodeLimit_;
    std::vector<std::int64_t> counts_;
    std::vector<double> weightBefore_;
    std::vector<double> worthBefore_;
    std::vector<std::pair<double, Pattern>> found_;
    double best_ = 0.0;
    double rootBound_ = 0.0;
    std::int64_t nodes_ = 0;
};

// Bars of at most this many grid units are priced by dynamic programming.
constexpr double kMostUnits = 1 << 20;
// Bits of choice memory the programme may take.
constexpr std::size_t kMostChoiceBits = std::size_t{1} << 28;

// Bounded knapsack over whole units: each type's pieces are split into
// bundles of 1, 2, 4, ... pieces, and every bundle is a 0/1 choice.
std::optional<KnapsackOutcome> OnGrid(const std::vector<KnapsackItem>& items, double capacity,
                                      double threshold, std::size_t keep, double unit) {
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
    if (bundles.size() * (units + 1) > kMostChoiceBits) {
        return std::nullopt;
    }
    std::vector<double> best(units + 1, 0.0);
    std::vector<bool> chosen(bundles.size() * (units + 1), false);
    for (std::size_t b = 0; b < bundles.size(); ++b) {
        const Bundle& bundle = bundles[b];
        for (std::size_t c = units + 1; c-- > bundle.Weight;) {
            const double with = best[c - bundle.Weight] + bundle.Worth;
            if (with > best[c]) {
                best[c] = with;
                chosen[b * (units + 1) + c] = true;
            }
        }
    }
    KnapsackOutcome outcome;
    outcome.Complete = true;
    outcome.Best = best[units];
    outcome.UpperBound = best[units];
    // The best pattern within each shorter capacity is another candidate.
    for (std::size_t top = units + 1; top-- > 0 && outcome.Found.size() < keep;) {
        if (!(best[top] > threshold)) {
            break;
        }
        std::map<std::int32_t, std::int64_t> counts;
        std::size_t c = top;
        for (std::size_t b = bundles.size(); b-- > 0;) {
            if (chosen[b * (units + 1) + c]) {
                counts[bundles[b].Type] += bundles[b].Pieces;
                c -= bundles[b].Weight;
            }
        }
        Pattern pattern;
        for (const auto& [type, count] : counts) {
            pattern.push_back({type, count});
        }
        if (std::find(outcome.Found.begin(), outcome.Found.end(), pattern) == outcome.Found.end()) {
            outcome.Found.push_back(std::move(pattern));
        }
    }
    return outcome;
}

}  // namespace

double CommonUnit(const PieceTypes& types) {
    // The lowest set bit of a float's significand, as a power of two.
    auto lowestBit = [](float value) {
        int exponent = 0;
        const double significand = std::frexp(static_cast<double>(value), &exponent);
        auto whole = static_cast<std::uint32_t>(std::ldexp(significand, 24));
        exponent -= 24;
        while (whole != 0 && whole % 2 == 0) {
            whole /= 2;
            ++exponent;
        }
        return exponent;
    };
    if (!(types.BarLength > 0.0f)) {
        return 0.0;
    }
    int exponent = lowestBit(types.BarLength);
    for (const PieceType& type : types.Types) {
        exponent = std::min(exponent, lowestBit(type.Length));
    }
    const double unit = std::ldexp(1.0, exponent);
    return static_cast<double>(types.BarLength) / unit <= kMostUnits ? unit : 0.0;
}

KnapsackOutcome MostValuablePatterns(std::vector<KnapsackItem> items, double capacity,
                                     double threshold, std::size_t keep, std::int64_t nodeLimit,
                                     double unit) {
    std::erase_if(items, [&](const KnapsackItem& item) {
        return !(item.Worth > 0.0) || !(item.Weight > 0.0) || item.Weight > capacity ||
               item.Most <= 0;
    });
    for (KnapsackItem& item : items) {
        item.Most = MostThatFit(item.Weight, capacity, item.Most);
    }
    std::sort(items.begin(), items.end(), [](const KnapsackItem& a, const KnapsackItem& b) {
        return a.Worth * b.Weight > b.Worth * a.Weight;
    });
    if (unit > 0.0) {
        if (auto outcome = OnGrid(items, capacity, threshold, keep, unit)) {
            return *outcome;
        }
    }
    Search search(std::move(items), threshold, keep, nodeLimit);
    search.Run(capacity);
    return search.Outcome();
}
