#include "core/optimiser/FewestBars.h"

#include <algorithm>
#include <cmath>

#include "core/optimiser/BarLowerBound.h"
#include "core/optimiser/BinCompletion.h"
#include "core/optimiser/BranchAndPrice.h"
#include "core/optimiser/ColumnGeneration.h"
#include "core/optimiser/CountSearch.h"
#include "core/optimiser/FirstFitPatterns.h"
#include "core/optimiser/PieceTypes.h"
#include "core/optimiser/PlanFromPatterns.h"
#include "core/plan/UnplannableRows.h"

namespace {

// The share of the budget the dive may take before the complete search. On
// jobs of many pieces every relaxation takes long and the tree seldom gets
// past its first nodes, so there the dive, which finds the plans, gets most.
constexpr double kDiveShare = 0.3;
constexpr double kManyPiecesDiveShare = 0.7;
constexpr std::int64_t kManyPieces = 500;
// The share of the budget the dive's first relaxation may take where the
// complete search follows, which starts from its patterns (half where it
// does not).
constexpr double kFirstRelaxationShare = 0.35;
// Once its first relaxation is settled, or within this many bars of its
// optimum, the dive may go on for a share of the time left after it, if that
// is longer than its own share: a slow first relaxation then does not leave
// the dive, now well led, without time. One far from settled leaves the dive
// its own share, and the complete search the rest.
constexpr double kNearlySettledBars = 0.5;
constexpr double kSettledDiveShare = 0.5;
// The share of what is left after the dive that the search over counts may
// take before the branch and price.
constexpr double kCountSearchShare = 0.5;

// Searches for a plan of as many bars as the lower bound by diving through
// the linear relaxation: the bars it uses whole are fixed, the rest solved
// again, and where nothing is whole one bar of a pattern in use is fixed.
// A step whose relaxation needs more bars than are left backs out. Each step
// also completes its pieces by first fit, so the best plan so far is always
// at hand when the budget ends.
std::int64_t PieceCount(const std::vector<std::int64_t>& pieces) {
    std::int64_t count = 0;
    for (const std::int64_t typePieces : pieces) {
        count += typePieces;
    }
    return count;
}

std::vector<std::int64_t> AllPieces(const PieceTypes& types) {
    std::vector<std::int64_t> pieces;
    for (const PieceType& type : types.Types) {
        pieces.push_back(type.Pieces);
    }
    return pieces;
}

class BarSearch {
  public:
    BarSearch(const PieceTypes& types, const PlanningBudget& budget,
              const OptimiserSettings& settings)
        : types_(types),
          whole_(budget),
          budget_(budget),
          settings_(settings),
          lp_(AllPieces(types)) {
        // The relaxation starts from the fullest bar of each single length.
        for (std::size_t t = 0; t < types.Types.size(); ++t) {
            const float length = types.Types[t].Length;
            float left = types.BarLength;
            TypeCount single{static_cast<std::int32_t>(t), 0};
            while (single.Count < types.Types[t].Pieces && left >= length) {
                left = left - length;
                ++single.Count;
            }
            lp_.Add({single});
        }
    }

    void Run() {
        const std::vector<std::int64_t> pieces = AllPieces(types_);
        best_ = FirstFitPatterns(types_, pieces);
        bestBars_ = BarsOf(best_);
        lowerBound_ = std::max<std::int64_t>(1, LengthBound(types_, pieces));
        Report();
        if (bestBars_ <= lowerBound_ || TryCompletion(pieces, {}, 0)) {
            return;
        }
        std::vector<PatternUse> fixed;
        const bool searchThrough = SuitsBranchAndPrice(types_);
        if (searchThrough) {
            // The dive gets a first share of the time; the complete search
            // takes the rest.
            const double share =
                PieceCount(pieces) > kManyPieces ? kManyPiecesDiveShare : kDiveShare;
            searchFollows_ = true;
            budget_.Deadline = whole_.ShareOfTimeLeft(share).Deadline;
        }
        const bool dived = Dive(pieces, fixed, 0);
        budget_ = whole_;
        if (dived) {
            return;
        }
        if (searchThrough) {
            if (SettledByCounts(pieces)) {
                return;
            }
            SearchThrough(pieces);
        } else {
            KeepCompleting(pieces);
        }
    }

    std::vector<PatternUse> Best() const { return best_; }
    std::int64_t BestBars() const { return bestBars_; }
    std::int64_t LowerBound() const { return lowerBound_; }

  private:
    bool Dive(const std::vector<std::int64_t>& pieces, std::vector<PatternUse>& fixed,
              std::int64_t fixedBars) {
        if (budget_.Over()) {
            return false;
        }
        const std::vector<PatternUse> rest = FirstFitPatterns(types_, pieces);
        Consider(fixed, rest, fixedBars + BarsOf(rest));
        if (bestBars_ <= lowerBound_) {
            return true;
        }
        if (fixedBars > 0 && PieceCount(pieces) <= settings_.Dive.FewPiecesLeft &&
            TryCompletion(pieces, fixed, fixedBars)) {
            return true;
        }
        for (const PatternUse& use : rest) {
            lp_.Add(use.Bar);
        }
        // A large job's relaxation may not settle within the budget; the dive
        // then goes on from where it got. Every step builds on the first
        // relaxation, so that one has a share of the whole budget, beyond the
        // dive's own; each later one half the dive's time left.
        const bool first = fixedBars == 0;
        const double share = first && searchFollows_ ? kFirstRelaxationShare : 0.5;
        const Relaxation relaxation = SolveRelaxation(
            lp_, types_, pieces, (first ? whole_ : budget_).ShareOfTimeLeft(share), settings_);
        if (first && searchFollows_ && relaxation.Unsettled < kNearlySettledBars) {
            budget_.Deadline =
                std::max(budget_.Deadline, whole_.ShareOfTimeLeft(kSettledDiveShare).Deadline);
        }
        if (first) {
            for (const auto& [pattern, bars] : relaxation.InUse) {
                firstPatterns_.push_back(pattern);
            }
        }
        if (first && !relaxation.PieceWorths.empty()) {
            const std::int64_t before = lowerBound_;
            lowerBound_ = std::max(lowerBound_, WorthBound(types_, pieces, relaxation.PieceWorths,
                                                           settings_, budget_));
            Report();
            if (bestBars_ <= lowerBound_ ||
                (lowerBound_ > before && TryCompletion(pieces, fixed, fixedBars))) {
                return true;
            }
        }
        if (budget_.Over()) {
            return false;
        }
        const double needed = relaxation.Solved ? std::ceil(relaxation.Bars - 1e-6) : 0.0;
        if (static_cast<double>(fixedBars) + needed > static_cast<double>(lowerBound_)) {
            ++deadEnds_;
            return false;
        }
        if (FixWholeBars(pieces, fixed, fixedBars, relaxation)) {
            return true;
        }
        std::vector<std::pair<Pattern, double>> partial;
        for (const auto& [pattern, bars] : relaxation.InUse) {
            const double fraction = bars - std::floor(bars + 1e-6);
            if (fraction > 1e-6) {
                partial.emplace_back(pattern, fraction);
            }
        }
        std::stable_sort(partial.begin(), partial.end(),
                         [](const auto& a, const auto& b) { return a.second > b.second; });
        for (std::size_t i = 0; i < std::min(partial.size(), settings_.Dive.Branches); ++i) {
            if (deadEnds_ > settings_.Dive.MostDeadEnds) {
                return false;
            }
            std::vector<std::int64_t> left = pieces;
            Pattern bar = CutFrom(partial[i].first, left, 1);
            if (bar.empty()) {
                continue;
            }
            fixed.push_back({std::move(bar), 1});
            if (Dive(left, fixed, fixedBars + 1)) {
                return true;
            }
            fixed.pop_back();
        }
        return false;
    }

    // Few pieces left: bin completion searches for the bars that are left
    // under the bound, a few times over with the ties taken in new orders.
    bool TryCompletion(const std::vector<std::int64_t>& pieces,
                       const std::vector<PatternUse>& fixed, std::int64_t fixedBars) {
        const DiveSettings& dive = settings_.Dive;
        const std::int64_t count = PieceCount(pieces);
        if (count > dive.MostPiecesToComplete) {
            return false;
        }
        for (unsigned attempt = 0; attempt < dive.CompletionAttempts && !budget_.Over();
             ++attempt) {
            const auto bars = CompleteIntoBars(types_, pieces, lowerBound_ - fixedBars, budget_,
                                               dive.CompletionStepsPerPiece * count, attempt,
                                               settings_.Completion);
            if (bars) {
                Consider(fixed, *bars, fixedBars + BarsOf(*bars));
                return true;
            }
        }
        return false;
    }

    // The last resort within the budget: bin completion on the whole job,
    // each round with more steps and the ties in a new order.
    void KeepCompleting(const std::vector<std::int64_t>& pieces) {
        const DiveSettings& dive = settings_.Dive;
        const std::int64_t count = PieceCount(pieces);
        if (count > dive.MostPiecesToComplete) {
            return;
        }
        unsigned attempt = dive.CompletionAttempts;
        for (std::int64_t perPiece = 2 * dive.CompletionStepsPerPiece;
             perPiece <= dive.MostCompletionStepsPerPiece && bestBars_ > lowerBound_ &&
             !budget_.Over();
             perPiece *= 2) {
            for (unsigned round = 0; round < 2 && !budget_.Over(); ++round, ++attempt) {
                const auto bars = CompleteIntoBars(types_, pieces, lowerBound_, budget_,
                                                   perPiece * count, attempt, settings_.Completion);
                if (bars) {
                    Consider({}, *bars, BarsOf(*bars));
                    return;
                }
            }
        }
    }

    // Few lengths with many pieces each: the search over counts either finds
    // the plan of fewest bars or shows that the best so far is.
    bool SettledByCounts(const std::vector<std::int64_t>& pieces) {
        const CountSearchOutcome outcome = SearchByCounts(
            types_, pieces, bestBars_ - 1, whole_.ShareOfTimeLeft(kCountSearchShare));
        if (!outcome.Settled) {
            return false;
        }
        if (outcome.Plan) {
            Consider({}, *outcome.Plan, BarsOf(*outcome.Plan));
        }
        lowerBound_ = std::max(lowerBound_, bestBars_);
        Report();
        return true;
    }

    // The complete search, for the rest of the budget. Each time its bound
    // rises, bin completion tries for a plan of that many bars.
    void SearchThrough(const std::vector<std::int64_t>& pieces) {
        BranchAndPrice search(types_, budget_, best_, lowerBound_, settings_);
        search.StartFrom(firstPatterns_);
        while (search.Step()) {
            Consider({}, search.Best(), search.BestBars());
            if (search.LowerBound() > lowerBound_) {
                lowerBound_ = search.LowerBound();
                Report();
                if (bestBars_ > lowerBound_ && TryCompletion(pieces, {}, 0)) {
                    search.Offer(best_);
                }
            }
        }
        lowerBound_ = std::max(lowerBound_, search.LowerBound());
        Consider({}, search.Best(), search.BestBars());
    }

    // Fixes every bar the relaxation uses whole and dives on.
    bool FixWholeBars(const std::vector<std::int64_t>& pieces, std::vector<PatternUse>& fixed,
                      std::int64_t fixedBars, const Relaxation& relaxation) {
        std::vector<std::int64_t> left = pieces;
        const std::size_t before = fixed.size();
        std::int64_t bars = 0;
        for (const auto& [pattern, amount] : relaxation.InUse) {
            const auto whole = static_cast<std::int64_t>(std::floor(amount + 1e-6));
            std::int64_t copies = whole;
            for (const TypeCount& entry : pattern) {
                copies = std::min(copies, left[static_cast<std::size_t>(entry.Type)] / entry.Count);
            }
            if (copies > 0) {
                CutFrom(pattern, left, copies);
                fixed.push_back({pattern, copies});
                bars += copies;
            }
        }
        if (bars > 0 && Dive(left, fixed, fixedBars + bars)) {
            return true;
        }
        fixed.resize(before);
        return false;
    }

    // Takes `copies` bars of the pattern, as far as the pieces last, from the
    // pieces left; returns the pattern as taken.
    static Pattern CutFrom(const Pattern& pattern, std::vector<std::int64_t>& left,
                           std::int64_t copies) {
        Pattern taken;
        for (const TypeCount& entry : pattern) {
            std::int64_t& there = left[static_cast<std::size_t>(entry.Type)];
            const std::int64_t count = std::min(entry.Count, there / copies);
            if (count > 0) {
                taken.push_back({entry.Type, count});
                there -= count * copies;
            }
        }
        return taken;
    }

    void Consider(const std::vector<PatternUse>& fixed, const std::vector<PatternUse>& rest,
                  std::int64_t bars) {
        if (bars < bestBars_) {
            best_ = fixed;
            best_.insert(best_.end(), rest.begin(), rest.end());
            bestBars_ = bars;
            Report();
        }
    }

    // Tells the budget's watcher of a better plan or a higher bound.
    void Report() {
        if (bestBars_ != reportedBars_ || lowerBound_ != reportedBound_) {
            reportedBars_ = bestBars_;
            reportedBound_ = lowerBound_;
            whole_.ReportProgress({PlanProgress::Measure::Bars, static_cast<double>(bestBars_),
                                   static_cast<double>(lowerBound_)});
        }
    }

    const PieceTypes& types_;
    const PlanningBudget& whole_;
    PlanningBudget budget_;       // the whole budget, or the dive's share of it
    bool searchFollows_ = false;  // the complete search takes over after the dive
    // The patterns the dive's first relaxation uses, which the complete
    // search's first relaxation starts from.
    std::vector<Pattern> firstPatterns_;
    const OptimiserSettings& settings_;
    std::vector<PatternUse> best_;
    std::int64_t bestBars_ = 0;
    std::int64_t lowerBound_ = 0;
    std::int64_t reportedBars_ = 0;
    std::int64_t reportedBound_ = 0;
    CuttingStockLp lp_;
    int deadEnds_ = 0;
};

}  // namespace

PlanOutcome PlanFewestBars(const PreparedCutList& cutList, const PlanningBudget& budget,
                           const OptimiserSettings& settings) {
    PlanOutcome outcome;
    outcome.Method = kFewestBarsMethod;
    if ((outcome.Refused = UnplannableRows(cutList))) {
        return outcome;
    }
    const PieceTypes types = GroupPieceTypes(cutList);
    BarSearch search(types, budget, settings);
    search.Run();
    if (budget.IsCancelled()) {
        outcome.Cancelled = true;
        return outcome;
    }
    outcome.Plan = SharedPlan(PlanFromPatterns(cutList, types, search.Best()), cutList);
    outcome.LowerBound = search.LowerBound();
    outcome.ProvenMinimal = outcome.BarCount() <= outcome.LowerBound;
    return outcome;
}

std::int64_t QuickLowerBound(const PreparedCutList& cutList) {
    const PieceTypes types = GroupPieceTypes(cutList);
    return std::max<std::int64_t>(1, LengthBound(types, AllPieces(types)));
}
