#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

// The bound of both knapsack searches: the items taken whole in their order
// of worth per length while they fit, the first one that does not fit taken
// in part. The items must be added in that order.
class FractionalFill {
  public:
    FractionalFill() : weightBefore_{0.0}, worthBefore_{0.0} {}

    // An item of `weight` and `worth` each, of which `copies` may be taken.
    void Add(double weight, double worth, double copies) {
        weightBefore_.push_back(weightBefore_.back() + weight * copies);
        worthBefore_.push_back(worthBefore_.back() + worth * copies);
        weight_.push_back(weight);
        worth_.push_back(worth);
    }

    // The worth of filling `capacity` from the items from `first` on.
    double Worth(std::size_t first, double capacity) const {
        const double limit = weightBefore_[first] + capacity;
        const auto end = std::upper_bound(weightBefore_.begin() + static_cast<long>(first) + 1,
                                          weightBefore_.end(), limit);
        const std::size_t whole = static_cast<std::size_t>(end - weightBefore_.begin()) - 1;
        double worth = worthBefore_[whole] - worthBefore_[first];
        if (whole < weight_.size()) {
            worth += (limit - weightBefore_[whole]) * worth_[whole] / weight_[whole];
        }
        return worth;
    }

  private:
    std::vector<double> weightBefore_;
    std::vector<double> worthBefore_;
    std::vector<double> weight_;
    std::vector<double> worth_;
};
