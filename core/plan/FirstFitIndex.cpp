#include "core/plan/FirstFitIndex.h"

#include <cmath>
#include <limits>

namespace {
constexpr float kNeverFits = std::numeric_limits<float>::infinity();
}

FirstFitIndex::FirstFitIndex(const std::vector<float>& lengths) : count_(lengths.size()) {
    while (leaves_ < count_) {
        leaves_ *= 2;
    }
    minimum_.assign(2 * leaves_, kNeverFits);
    for (std::size_t p = 0; p < count_; ++p) {
        minimum_[leaves_ + p] = std::isnan(lengths[p]) ? kNeverFits : lengths[p];
    }
    for (std::size_t i = leaves_ - 1; i >= 1; --i) {
        minimum_[i] = std::fmin(minimum_[2 * i], minimum_[2 * i + 1]);
    }
}

std::size_t FirstFitIndex::FindFirstFitting(std::size_t from, float limit) const {
    if (from >= count_) {
        return kNone;
    }
    std::size_t node = leaves_ + from;
    if (!(minimum_[node] <= limit)) {
        // Climb until a right sibling holds a fitting length somewhere below.
        while (true) {
            while (node % 2 == 1) {
                node /= 2;
            }
            if (node == 0) {
                return kNone;
            }
            ++node;
            if (minimum_[node] <= limit) {
                break;
            }
        }
        while (node < leaves_) {
            node = minimum_[2 * node] <= limit ? 2 * node : 2 * node + 1;
        }
    }
    const std::size_t position = node - leaves_;
    return position < count_ ? position : kNone;
}

void FirstFitIndex::Remove(std::size_t position) {
    if (position >= count_) {
        return;
    }
    std::size_t node = leaves_ + position;
    minimum_[node] = kNeverFits;
    for (node /= 2; node >= 1; node /= 2) {
        const float least = std::fmin(minimum_[2 * node], minimum_[2 * node + 1]);
        if (least == minimum_[node]) {
            break;
        }
        minimum_[node] = least;
    }
}
