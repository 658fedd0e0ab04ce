#include "core/optimiser/StockPlanner.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/optimiser/BranchAndPrice.h"
#include "core/optimiser/FewestBars.h"
#include "core/optimiser/PieceTypes.h"
#include "core/optimiser/StockBound.h"
#include "core/optimiser/StockDive.h"
#include "core/optimiser/StockGreedy.h"
#include "core/optimiser/StockPlanOut.h"
#include "core/plan/UnplannableRows.h"

namespace {

std::string LengthText(float length) {
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", static_cast<double>(length));
    return text;
}

// What is missing: the pieces no bar on hand is left for.
std::string StockTooShort(const PieceTypes& types, const std::vector<std::int64_t>& left,
                          float cutWidth) {
    std::string text = "Not enough stock on hand: no bar is left for";
    const char* separator = " ";
    for (std::size_t t = 0; t < types.Types.size(); ++t) {
        if (left[t] > 0) {
            text += separator + std::to_string(left[t]) + " x " +
                    LengthText(types.Types[t].Length - cutWidth);
            separator = ", ";
        }
    }
    return text;
}

// The refusals of the nesting, with the longest usable stock length as the
// bar: a piece no stock length holds, too many pieces to count.
Refusal Unplannable(const PreparedCutList& cutList, const StockRack& rack) {
    PreparedCutList onLongest = cutList;
    onLongest.BarLength = 0.0f;
    for (const float usable : rack.Usable) {
        onLongest.BarLength = std::max(onLongest.BarLength, usable);
    }
    return UnplannableRows(onLongest);
}

// One line as many as needed: the bars are those of the fewest-bars search.
PlanOutcome OnOneLine(const PreparedCutList& cutList, const StockList& stock, const StockRack& rack,
                      const PlanningBudget& budget, const OptimiserSettings& settings) {
    PreparedCutList onBar = cutList;
    onBar.BarLength = rack.Usable[0];
    PlanOutcome outcome = PlanFewestBars(onBar, budget, settings);
    outcome.Method = kStockMethod;
    if (outcome.Refused || outcome.Cancelled) {
        return outcome;
    }
    CuttingPlan plan = *outcome.Plan;
    plan.BarLength = stock.Lengths[0].Length;
    plan.Stock.push_back({stock.Lengths[0].Length, rack.Usable[0], stock.Lengths[0].Cost,
                          stock.Lengths[0].LengthText});
    plan.BarStock.assign(plan.Bars.size(), 0);
    plan.EndTrim = stock.EndTrim;
    outcome.Plan = std::make_shared<const CuttingPlan>(std::move(plan));
    outcome.StockObjective = rack.Worth[0] * static_cast<double>(outcome.BarCount());
    outcome.StockLowerBound = rack.Worth[0] * static_cast<double>(outcome.LowerBound);
    outcome.LowerBound = QuickLowerBound(cutList);
    return outcome;
}

constexpr std::int64_t kMostPiecesSearchedWithoutPlan = 64;

// The share of the budget the dive may take before the complete search.
constexpr double kDiveShare = 0.6;
// A larger job's relaxation over single pieces rarely closes within the
// budget, so its dive takes the greater share.
constexpr std::int64_t kFewPiecesToSearch = 300;
constexpr double kLargerJobsDiveShare = 0.9;

// Tells whoever watches the budget of each better plan or higher bound.
class ProgressTeller {
  public:
    ProgressTeller(const PlanningBudget& budget, PlanProgress::Measure measure)
        : budget_(budget), told_{measure, -1.0, -1.0} {}

    void operator()(const std::optional<std::vector<StockPattern>>& best, const StockRack& rack,
                    double bound) {
        if (!best) {
            return;
        }
        const double worth = WorthOf(*best, rack);
        const PlanProgress now{told_.Counts, worth, std::min(bound, worth)};
        if (now.Best != told_.Best || now.Bound != told_.Bound) {
            told_ = now;
            budget_.ReportProgress(now);
        }
    }

  private:
    const PlanningBudget& budget_;
    PlanProgress told_;
};

}  // namespace

PlanOutcome PlanFromStock(const PreparedCutList& cutList, const StockList& stock,
                          const PlanningBudget& budget, const OptimiserSettings& settings) {
    PlanOutcome result;
    result.Method = kStockMethod;
    if (stock.Lengths.empty()) {
        result.Refused = kNoStock;
        return result;
    }
    if (stock.MixedCosts) {
        result.Refused = kMixedCosts;
        return result;
    }
    const StockRack rack(stock);
    // Checked before the pieces are counted out: a refused quantity may lie
    // beyond any whole count.
    if ((result.Refused = Unplannable(cutList, rack))) {
        return result;
    }
    const PieceTypes types = GroupPieceTypes(cutList);
    if (rack.Size() == 1 && rack.OnHand[0] == StockRack::kUnlimited) {
        return OnOneLine(cutList, stock, rack, budget, settings);
    }

    std::vector<std::int64_t> left;
    std::int64_t pieces = 0;
    for (const PieceType& type : types.Types) {
        left.push_back(type.Pieces);
        pieces += type.Pieces;
    }
    std::optional<std::vector<StockPattern>> best =
        PlanGreedily(types, rack, budget, left, settings);
    double bound = StockLowerBound(types, rack);
    ProgressTeller tell(budget, stock.Objective == StockObjective::LeastCost
                                    ? PlanProgress::Measure::Cost
                                    : PlanProgress::Measure::StockLength);
    tell(best, rack, bound);
    bool complete = false;
    const bool searchThrough = SuitsBranchAndPrice(types);
    if (!(best && !(bound < WorthOf(*best, rack)))) {
        StockDiveOutcome dive = DiveThroughStock(
            types, rack, best,
            searchThrough ? budget.ShareOfTimeLeft(
                                pieces <= kFewPiecesToSearch ? kDiveShare : kLargerJobsDiveShare)
                          : budget,
            settings);
        best = std::move(dive.Best);
        bound = std::max(bound, dive.LowerBound);
        tell(best, rack, bound);
    }
    // Without any plan from the greedy bars or the dive, only a small job is
    // searched through for one: a larger one is refused for the stock it
    // lacks at once rather than after the whole budget.
    if (searchThrough && (best || pieces <= kMostPiecesSearchedWithoutPlan) &&
        !(best && !(bound < WorthOf(*best, rack)))) {
        const UnitCosts costs = CostsInUnits(rack.Worth, pieces);
        BranchAndPrice search(types, rack, costs, budget, best, costs.UnitsAtLeast(bound),
                              settings);
        while (search.Step()) {
            tell(search.BestFromStock() ? search.BestFromStock() : best, rack,
                 std::max(bound, costs.ObjectiveAtLeast(search.CostBound())));
        }
        if (search.BestFromStock()) {
            best = search.BestFromStock();
        }
        complete = search.Proven();
        bound = std::max(bound, costs.ObjectiveAtLeast(search.CostBound()));
        tell(best, rack, complete && best ? WorthOf(*best, rack) : bound);
    }
    if (budget.IsCancelled()) {
        result.Cancelled = true;
        return result;
    }
    if (!best) {
        result.Refused = StockTooShort(types, left, cutList.CutWidth);
        return result;
    }
    result.StockObjective = WorthOf(*best, rack);
    result.StockLowerBound =
        complete ? result.StockObjective : std::min(bound, result.StockObjective);
    result.ProvenMinimal = complete || !(bound < result.StockObjective);
    CuttingPlan plan = StockPlanOut(cutList, types, stock, rack, std::move(*best));
    plan.EndTrim = stock.EndTrim;
    result.Plan = SharedPlan(std::move(plan), cutList);
    result.LowerBound = QuickLowerBound(cutList);
    return result;
}
