#include "core/optimiser/StockDive.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/optimiser/StockGreedy.h"
#include "core/optimiser/StockRelaxation.h"

namespace {

// The first relaxation, of the whole job, may take this share of the time
// left; each later one as much of what is left then.
constexpr double kRelaxationShare = 0.7;

class Dive {
  public:
    Dive(const PieceTypes& types, const StockRack& rack, const PlanningBudget& budget,
         const OptimiserSettings& settings)
        : types_(types), rack_(rack), budget_(budget), settings_(settings) {}

    // Dives again while time is left, each dive fixing fewer bars at a step
    // than the one before: more relaxations, closer to their optimum.
    StockDiveOutcome Run(std::optional<std::vector<StockPattern>> best) {
        best_ = std::move(best);
        StockRelaxer relaxer(types_, rack_, settings_);
        std::int64_t most = kAnyBars;
        for (int dive = 0; dive < kMostDives && !budget_.Over() && !Reached(); ++dive) {
            DiveOnce(relaxer, most);
            if (most == 1 || !best_) {
                break;
            }
            most = std::max<std::int64_t>(1, std::min(most, BarsOf(*best_)) / 4);
        }
        return {best_, lowerBound_};
    }

  private:
    static constexpr std::int64_t kAnyBars = std::numeric_limits<std::int64_t>::max();
    static constexpr int kMostDives = 8;

    bool Reached() const { return best_ && !(lowerBound_ < WorthOf(*best_, rack_)); }

    // One dive, fixing no more than `most` bars at a step.
    void DiveOnce(StockRelaxer& relaxer, std::int64_t most) {
        std::vector<std::int64_t> left;
        for (const PieceType& type : types_.Types) {
            left.push_back(type.Pieces);
        }
        StockRack rest = rack_;
        std::vector<StockPattern> fixed;
        bool first = true;
        while (!budget_.Over() &&
               std::any_of(left.begin(), left.end(), [](std::int64_t n) { return n > 0; })) {
            const StockRelaxation relaxation =
                relaxer.Relax(left, rest.OnHand, budget_.ShareOfTimeLeft(kRelaxationShare));
            if (first) {
                lowerBound_ = std::max(lowerBound_, relaxation.LowerBound);
                first = false;
            }
            if (relaxation.InUse.empty()) {
                break;
            }
            RoundDown(relaxation, left, rest, fixed);
            if (!Take(relaxation, left, rest, fixed, most) &&
                !Take(relaxation, left, rest, fixed, 0)) {
                break;
            }
        }
        if (std::all_of(left.begin(), left.end(), [](std::int64_t n) { return n == 0; })) {
            MoveToCheaperStock(fixed, types_, rack_);
            Consider(fixed);
        }
    }

    // The bars whole in the relaxation, most used first, as far as pieces
    // and rack allow; the pieces left planned bar by bar on what is left.
    void RoundDown(const StockRelaxation& relaxation, std::vector<std::int64_t> left,
                   StockRack rest, std::vector<StockPattern> plan) {
        Take(relaxation, left, rest, plan, kAnyBars);
        if (auto more = PlanGreedily(types_, rest, budget_, left, settings_)) {
            plan.insert(plan.end(), more->begin(), more->end());
            MoveToCheaperStock(plan, types_, rack_);
            Consider(plan);
        }
    }

    // Takes the bars the relaxation uses whole, most used first, no more
    // than `most` of them; with `most` 0, one bar of the most used pattern
    // that pieces and rack allow. False when nothing could be taken.
    bool Take(const StockRelaxation& relaxation, std::vector<std::int64_t>& left, StockRack& rest,
              std::vector<StockPattern>& plan, std::int64_t most) {
        auto inUse = relaxation.InUse;
        std::stable_sort(inUse.begin(), inUse.end(),
                         [](const auto& a, const auto& b) { return a.second > b.second; });
        const bool oneOfMostUsed = most == 0;
        std::int64_t room = oneOfMostUsed ? 1 : most;
        bool took = false;
        for (const auto& [pattern, amount] : inUse) {
            const auto s = static_cast<std::size_t>(pattern.Stock);
            std::int64_t copies =
                oneOfMostUsed
                    ? 1
                    : static_cast<std::int64_t>(std::floor(std::min(amount, 1e15) + 1e-6));
            copies = std::min({copies, rest.OnHand[s], room});
            for (const TypeCount& entry : pattern.Bar) {
                copies = std::min(copies, left[static_cast<std::size_t>(entry.Type)] / entry.Count);
            }
            if (copies <= 0) {
                continue;
            }
            for (const TypeCount& entry : pattern.Bar) {
                left[static_cast<std::size_t>(entry.Type)] -= entry.Count * copies;
            }
            if (rest.OnHand[s] < StockRack::kUnlimited) {
                rest.OnHand[s] -= copies;
            }
            plan.push_back({pattern.Stock, pattern.Bar, copies});
            took = true;
            room -= copies;
            if (room <= 0) {
                break;
            }
        }
        return took;
    }

    void Consider(const std::vector<StockPattern>& plan) {
        if (!best_ || KeyOf(plan, types_, rack_) < KeyOf(*best_, types_, rack_)) {
            best_ = plan;
        }
    }

    const PieceTypes& types_;
    const StockRack& rack_;
    const PlanningBudget& budget_;
    const OptimiserSettings& settings_;
    std::optional<std::vector<StockPattern>> best_;
    double lowerBound_ = 0.0;
};

}  // namespace

StockDiveOutcome DiveThroughStock(const PieceTypes& types, const StockRack& rack,
                                  std::optional<std::vector<StockPattern>> best,
                                  const PlanningBudget& budget, const OptimiserSettings& settings) {
    return Dive(types, rack, budget, settings).Run(std::move(best));
}
