#include "core/optimiser/KnapsackBranchAndBound.h"

#include <algorithm>

#include "core/optimiser/FractionalFill.h"

namespace {

// Nodes between two readings of the budget's clock.
constexpr std::int64_t kNodesBetweenClockReadings = 4096;

bool BetterPerLength(const KnapsackItem& a, const KnapsackItem& b) {
    return a.Worth * b.Weight > b.Worth * a.Weight;
}

class Search {
  public:
    Search(std::vector<KnapsackItem> items, double threshold, std::size_t keep,
           std::int64_t nodeLimit, const PlanningBudget& budget)
        : items_(std::move(items)),
          threshold_(threshold),
          keep_(std::max<std::size_t>(keep, 1)),
          nodeLimit_(nodeLimit),
          budget_(budget),
          counts_(items_.size(), 0) {
        for (const KnapsackItem& item : items_) {
            fill_.Add(item.Weight, item.Worth, static_cast<double>(item.Most));
        }
    }

    void Run(double capacity) {
        rootBound_ = fill_.Worth(0, capacity);
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
        outcome.Complete = !stopped_;
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
        if (stopped_ || ++nodes_ > nodeLimit_ ||
            (nodes_ % kNodesBetweenClockReadings == 0 && budget_.Over())) {
            stopped_ = true;
            return;
        }
        if (added) {
            Record(worth);
        }
        if (level == items_.size()) {
            return;
        }
        if (worth + fill_.Worth(level, capacity) <= Bar()) {
            return;
        }
        const KnapsackItem& item = items_[level];
        for (std::int64_t count = MostThatFit(item.Weight, capacity, item.Most); count >= 0;
             --count) {
            counts_[level] = count;
            Visit(level + 1, capacity - static_cast<double>(count) * item.Weight,
                  worth + static_cast<double>(count) * item.Worth, count > 0);
            if (stopped_) {
                break;
            }
        }
        counts_[level] = 0;
    }

    std::vector<KnapsackItem> items_;
    double threshold_;
    std::size_t keep_;
    std::int64_t nodeLimit_;
    const PlanningBudget& budget_;
    bool stopped_ = false;
    std::vector<std::int64_t> counts_;
    FractionalFill fill_;
    std::vector<std::pair<double, Pattern>> found_;
    double best_ = 0.0;
    double rootBound_ = 0.0;
    std::int64_t nodes_ = 0;
};

}  // namespace

KnapsackOutcome BranchAndBoundPatterns(std::vector<KnapsackItem> items, double capacity,
                                       double threshold, std::size_t keep, std::int64_t nodeLimit,
                                       const PlanningBudget& budget) {
    // The fractional bound holds only with the types in order of worth per
    // length.
    if (!std::is_sorted(items.begin(), items.end(), BetterPerLength)) {
        std::sort(items.begin(), items.end(), BetterPerLength);
    }
    Search search(std::move(items), threshold, keep, nodeLimit, budget);
    search.Run(capacity);
    return search.Outcome();
}
