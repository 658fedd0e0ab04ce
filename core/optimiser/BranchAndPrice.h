#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

#include "core/optimiser/OptimiserSettings.h"
#include "core/optimiser/PieceTypes.h"
#include "core/optimiser/StockPatterns.h"
#include "core/optimiser/UnitCosts.h"
#include "core/plan/PlanningBudget.h"

// Jobs up to this many pieces are searched through piece by piece.
inline constexpr std::int64_t kMostPiecesToBranchOn = 2500;

bool SuitsBranchAndPrice(const PieceTypes& types);

// The complete search for the cheapest plan: branch and price over the
// cutting-stock relaxation of the pieces one by one, with bars cut from one
// or several stock lines. Each node solves its relaxation by column
// generation, warm from the last node's basis, one pricing problem per line,
// and is closed once it cannot beat the best plan; open nodes split on a pair
// of pieces (together in a bar, or never in one) or, where only the lines are
// split, on a piece and a line. The least bound of the open nodes is a lower
// bound of the whole job, so the search proves a plan minimal even where the
// relaxation falls short of it. Nodes are taken best bound first, deepest of
// equal bounds first; nothing in the search depends on the clock but where
// it stops.
class BranchAndPrice {
  public:
    // Fewest bars of the types' bar length. `best` is the best plan so far
    // and `lowerBound` a bound already known.
    BranchAndPrice(const PieceTypes& types, const PlanningBudget& budget,
                   std::vector<PatternUse> best, std::int64_t lowerBound,
                   const OptimiserSettings& settings = {});
    // The cheapest plan from the rack, costs as `costs` weighs them (by line
    // of the rack); `best` is a plan so far, if there is one, and
    // `lowerBound` a bound on its cost already known.
    BranchAndPrice(const PieceTypes& types, const StockRack& rack, const UnitCosts& costs,
                   const PlanningBudget& budget, std::optional<std::vector<StockPattern>> best,
                   double lowerBound, const OptimiserSettings& settings = {});
    ~BranchAndPrice();
    BranchAndPrice(const BranchAndPrice&) = delete;
    BranchAndPrice& operator=(const BranchAndPrice&) = delete;

    // Works on one node; false once the best plan is proven minimal, the
    // tree is done or the budget is over.
    bool Step();

    // Patterns of piece types that the first relaxation starts from, as a
    // relaxation of the whole job found them; before the first step, of one
    // bar length.
    void StartFrom(const std::vector<Pattern>& patterns);

    // A plan found elsewhere, kept when it uses fewer bars.
    void Offer(const std::vector<PatternUse>& plan);

    // Of one bar length.
    const std::vector<PatternUse>& Best() const;
    std::int64_t BestBars() const;
    std::int64_t LowerBound() const;

    // From the rack: the best plan, if any, its cost and the least cost
    // any plan can have.
    const std::optional<std::vector<StockPattern>>& BestFromStock() const;
    double BestCost() const;
    double CostBound() const;
    // Whether the best plan is proven the cheapest.
    bool Proven() const;

  private:
    class Tree;
    std::unique_ptr<Tree> tree_;
};
