#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_set>
#include <vector>

#include "core/optimiser/PieceTypes.h"
#include "core/plan/PlanningBudget.h"

class ClpSimplex;

// The linear relaxation of the cutting-stock model over a growing set of
// patterns: as few bars as possible, bars cut to a pattern taken in any
// non-negative amount, each type's pieces covered. Solved by COIN-OR CLP,
// warm from the last basis: by the primal simplex after patterns are added,
// by the dual simplex after the pieces to cover change.
class CuttingStockLp {
  public:
    // The pieces of each type in the whole job; patterns never hold more.
    explicit CuttingStockLp(std::vector<std::int64_t> pieces);
    ~CuttingStockLp();
    CuttingStockLp(const CuttingStockLp&) = delete;
    CuttingStockLp& operator=(const CuttingStockLp&) = delete;

    // Adds the pattern, cut down to the pieces there are; false when that
    // leaves nothing or the pattern is already there.
    bool Add(Pattern pattern);

    // The pieces still to cover, at most the job's.
    void Cover(const std::vector<std::int64_t>& pieces);

    // Bars may be cut only to the patterns `allowed` accepts, the ones added
    // later included; the others are held at no bars until the next call.
    void Allow(const std::function<bool(const Pattern&)>& allowed);

    // Solves within the budget; false unless proven optimal.
    bool Solve(const PlanningBudget& budget);

    double Bars() const;
    // The worth of one piece of each type at the optimum (0 for types
    // without pieces), never below 0.
    std::vector<double> PieceWorths() const;
    // The patterns in use and how many bars each.
    std::vector<std::pair<const Pattern*, double>> InUse() const;

  private:
    struct PatternHash {
        std::size_t operator()(const Pattern& pattern) const;
    };

    std::vector<std::int64_t> pieces_;
    std::vector<int> rowOfType_;  // -1 for types without pieces
    std::vector<int> typeOfRow_;
    std::vector<Pattern> columns_;
    std::unordered_set<Pattern, PatternHash> known_;
    std::unique_ptr<ClpSimplex> model_;
    bool added_ = true;
    bool covered_ = false;
    bool bounded_ = false;
};
