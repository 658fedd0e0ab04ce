#pragma once

#include <cstddef>
#include <vector>

// Finds, among the rows that still hold pieces, the first one at or after a
// given position whose charged length fits a given free length. A bar pass
// then jumps from fitting row to fitting row instead of visiting every row,
// so a pass costs the rows it places pieces from, not all rows of the list.
// Positions count from 0.
class FirstFitIndex {
  public:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    // Every position starts live with its length; a NaN length never fits.
    explicit FirstFitIndex(const std::vector<float>& lengths);

    // The first live position p >= from with lengths[p] <= limit, or kNone.
    std::size_t FindFirstFitting(std::size_t from, float limit) const;

    // The position holds no more pieces and is never found again.
    void Remove(std::size_t position);

  private:
    std::size_t leaves_ = 1;
    std::size_t count_ = 0;
    // Complete binary tree in an array: node i has children 2i and 2i+1, the
    // leaves start at leaves_; each node holds the least length below it.
    std::vector<float> minimum_;
};
