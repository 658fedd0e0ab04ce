#include "core/optimiser/ConstrainedPricing.h"

#include <algorithm>
#include <numeric>

#include "core/optimiser/FractionalFill.h"

namespace {

constexpr double kMostGridSteps = 1 << 22;
constexpr std::size_t kTop = 8;
// Nodes between two readings of the budget's clock.
constexpr std::int64_t kNodesBetweenClockReadings = 4096;

class ConflictSearch {
  public:
    ConflictSearch(const std::vector<ConflictItem>& items,
                   const std::vector<std::vector<std::int32_t>>& conflicts, double threshold,
                   std::size_t keep, std::int64_t nodeLimit, const PlanningBudget& budget)
        : items_(items),
          conflicts_(conflicts),
          threshold_(threshold),
          keep_(std::max<std::size_t>(keep, 1)),
          nodeLimit_(nodeLimit),
          budget_(budget),
          blocked_(items.size(), 0),
          chosen_(items.size(), false) {
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].Worth > 0.0 && items[i].Weight > 0.0) {
                order_.push_back(static_cast<std::int32_t>(i));
            }
        }
        std::stable_sort(order_.begin(), order_.end(), [&](std::int32_t a, std::int32_t b) {
            return Item(a).Worth * Item(b).Weight > Item(b).Worth * Item(a).Weight;
        });
        std::vector<double> weights;
        for (const std::int32_t i : order_) {
            fill_.Add(Item(i).Weight, Item(i).Worth, 1.0);
            weights.push_back(Item(i).Weight);
        }
        std::sort(weights.begin(), weights.end());
        lightest_.push_back(0.0);
        for (const double weight : weights) {
            lightest_.push_back(lightest_.back() + weight);
        }
        // The most valuable few items from each level on, best first.
        topFrom_.assign((order_.size() + 1) * kTop, 0.0);
        for (std::size_t level = order_.size(); level-- > 0;) {
            double* top = &topFrom_[level * kTop];
            std::copy_n(&topFrom_[(level + 1) * kTop], kTop, top);
            double worth = Item(order_[level]).Worth;
            for (std::size_t k = 0; k < kTop; ++k) {
                if (worth > top[k]) {
                    std::swap(worth, top[k]);
                }
            }
        }
    }

    KnapsackOutcome Run(double capacity) {
        const double rootBound = Bound(0, capacity);
        Visit(0, capacity, 0.0);
        KnapsackOutcome outcome;
        for (auto& [worth, pattern] : found_) {
            outcome.Found.push_back(std::move(pattern));
        }
        outcome.Best = best_;
        outcome.Complete = !stopped_;
        // Branches were cut only where they could not beat the threshold.
        outcome.UpperBound = std::max(best_, outcome.Complete ? threshold_ : rootBound);
        return outcome;
    }

  private:
    const ConflictItem& Item(std::int32_t i) const { return items_[static_cast<std::size_t>(i)]; }

    // No more items fit than the lightest of all do; when these are few,
    // the most valuable of those left bound the worth too.
    double Bound(std::size_t level, double capacity) const {
        const double fractional = fill_.Worth(level, capacity);
        const auto most = static_cast<std::size_t>(
            std::upper_bound(lightest_.begin(), lightest_.end(), capacity) - lightest_.begin() - 1);
        if (most > kTop) {
            return fractional;
        }
        const double* top = &topFrom_[level * kTop];
        return std::min(fractional, std::accumulate(top, top + most, 0.0));
    }

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
            if (chosen_[i]) {
                pattern.push_back({static_cast<std::int32_t>(i), 1});
            }
        }
        if (found_.size() == keep_) {
            found_.pop_back();
        }
        found_.emplace_back(worth, std::move(pattern));
        std::stable_sort(found_.begin(), found_.end(),
                         [](const auto& a, const auto& b) { return a.first > b.first; });
    }

    void Visit(std::size_t level, double capacity, double worth) {
        // Items left out go by as a run of levels, so the recursion goes
        // only as deep as the items a bar holds.
        for (; level < order_.size(); ++level) {
            if (stopped_ || ++nodes_ > nodeLimit_ ||
                (nodes_ % kNodesBetweenClockReadings == 0 && budget_.Over())) {
                stopped_ = true;
                return;
            }
            if (worth + Bound(level, capacity) <= Bar()) {
                return;
            }
            const auto item = static_cast<std::size_t>(order_[level]);
            if (blocked_[item] > 0 || items_[item].Weight > capacity) {
                continue;
            }
            Choose(item, 1);
            Record(worth + items_[item].Worth);
            Visit(level + 1, capacity - items_[item].Weight, worth + items_[item].Worth);
            Choose(item, -1);
        }
    }

    void Choose(std::size_t item, int sign) {
        chosen_[item] = sign > 0;
        for (const std::int32_t other : conflicts_[item]) {
            blocked_[static_cast<std::size_t>(other)] += sign;
        }
    }

    const std::vector<ConflictItem>& items_;
    const std::vector<std::vector<std::int32_t>>& conflicts_;
    double threshold_;
    std::size_t keep_;
    std::int64_t nodeLimit_;
    const PlanningBudget& budget_;
    bool stopped_ = false;
    std::vector<int> blocked_;
    std::vector<bool> chosen_;
    std::vector<std::int32_t> order_;
    FractionalFill fill_;
    std::vector<double> lightest_;  // sums of the lightest items
    std::vector<double> topFrom_;   // kTop worths per level
    std::vector<std::pair<double, Pattern>> found_;
    double best_ = 0.0;
    std::int64_t nodes_ = 0;
};

}  // namespace

KnapsackOutcome PriceWithConflicts(const std::vector<ConflictItem>& items,
                                   const std::vector<std::vector<std::int32_t>>& conflicts,
                                   double capacity, double threshold, std::size_t keep,
                                   std::int64_t nodeLimit, double unit,
                                   const KnapsackSettings& settings, const PlanningBudget& budget) {
    const bool anyConflict = std::any_of(conflicts.begin(), conflicts.end(),
                                         [](const auto& with) { return !with.empty(); });
    auto plain = [&] {
        std::vector<KnapsackItem> knapsack;
        for (std::size_t i = 0; i < items.size(); ++i) {
            knapsack.push_back({items[i].Weight, items[i].Worth, 1, static_cast<std::int32_t>(i)});
        }
        return MostValuablePatterns(std::move(knapsack), capacity, threshold, keep, nodeLimit, unit,
                                    settings, budget);
    };
    // The programme over the grid pays for every unit of the bar with every
    // item; few items to a long bar are mostly weighed faster one by one.
    const bool gridIsCheap =
        unit > 0.0 && static_cast<double>(items.size()) * (capacity / unit) <= kMostGridSteps;
    if (!anyConflict && gridIsCheap) {
        return plain();
    }
    KnapsackOutcome outcome =
        ConflictSearch(items, conflicts, threshold, keep, nodeLimit, budget).Run(capacity);
    if (outcome.Complete || unit <= 0.0 || budget.Over()) {
        return outcome;
    }
    // Where the search gives up, the programme over the grid still bounds
    // the worth exactly, the conflicts left out; without conflicts it also
    // gives the patterns.
    const KnapsackOutcome unconstrained = plain();
    if (!anyConflict) {
        return unconstrained;
    }
    if (unconstrained.Complete) {
        outcome.UpperBound =
            std::min(outcome.UpperBound, std::max(unconstrained.UpperBound, outcome.Best));
    }
    return outcome;
}
