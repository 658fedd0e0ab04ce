#include "core/optimiser/BranchAndPrice.h"

#include <algorithm>
#include <cmath>
#include <queue>

#include "core/optimiser/BarLowerBound.h"
#include "core/optimiser/BinCompletion.h"
#include "core/optimiser/BranchingRule.h"
#include "core/optimiser/ConstrainedPricing.h"
#include "core/optimiser/CuttingStockLp.h"
#include "core/optimiser/FirstFitPatterns.h"

namespace {

constexpr double kWorthMore = 1.0 + 1e-9;
constexpr std::size_t kPatternsPerRound = 8;
constexpr double kWhole = 1e-6;
// A long tail of the column generation makes a plan from its way every so
// many rounds.
constexpr std::int64_t kRoundsBetweenPlans = 25;
constexpr std::int64_t kPricingNodes = 300000;
// The pieces a node's rounded plan leaves are completed into bars under the
// best plan's count when they are no more than these.
constexpr std::int64_t kFewPiecesLeft = 150;
constexpr std::int64_t kCompletionStepsPerPiece = 4;
// The most of a new best plan's fullest-left bars completed again.
constexpr std::size_t kMostBarsImproved = 32;

struct Node {
    BranchConstraints Constraints;
    std::int64_t Bound = 0;
    std::int32_t Depth = 0;
    std::uint64_t Order = 0;
};

// Least bound first; of equal bounds the deepest, then the newest, so the
// search dives until the bound rises.
struct ComesLater {
    bool operator()(const Node& a, const Node& b) const {
        if (a.Bound != b.Bound) {
            return a.Bound > b.Bound;
        }
        if (a.Depth != b.Depth) {
            return a.Depth < b.Depth;
        }
        return a.Order < b.Order;
    }
};

std::int64_t TotalPieces(const PieceTypes& types) {
    std::int64_t pieces = 0;
    for (const PieceType& type : types.Types) {
        pieces += type.Pieces;
    }
    return pieces;
}

std::vector<std::int32_t> TypeOfEachPiece(const PieceTypes& types) {
    std::vector<std::int32_t> typeOf;
    for (std::size_t t = 0; t < types.Types.size(); ++t) {
        typeOf.insert(typeOf.end(), static_cast<std::size_t>(types.Types[t].Pieces),
                      static_cast<std::int32_t>(t));
    }
    return typeOf;
}

}  // namespace

bool SuitsBranchAndPrice(const PieceTypes& types) {
    const std::int64_t pieces = TotalPieces(types);
    return pieces > 0 && pieces <= kMostPiecesToBranchOn;
}

class BranchAndPrice::Tree {
  public:
    Tree(const PieceTypes& types, const PlanningBudget& budget, std::vector<PatternUse> best,
         std::int64_t lowerBound, const OptimiserSettings& settings)
        : types_(types),
          budget_(budget),
          settings_(settings),
          typeOf_(TypeOfEachPiece(types)),
          lp_(std::vector<std::int64_t>(typeOf_.size(), 1)),
          unit_(CommonUnit(types, settings.Knapsack)),
          best_(std::move(best)),
          bestBars_(BarsOf(best_)),
          known_(lowerBound) {
        for (std::size_t t = 0; t < types.Types.size(); ++t) {
            weightOfType_.push_back(BoundLength(types, t, unit_));
        }
        open_.push({{}, lowerBound, 0, next_++});
        AddBarsOf(best_);
    }

    bool Step() {
        if (Done()) {
            return false;
        }
        Node node = open_.top();
        open_.pop();
        Process(std::move(node));
        return !Done();
    }

    void Consider(const std::vector<PatternUse>& plan) {
        const std::int64_t bars = BarsOf(plan);
        if (bars < bestBars_) {
            best_ = plan;
            bestBars_ = bars;
        }
    }

    const std::vector<PatternUse>& Best() const { return best_; }
    std::int64_t BestBars() const { return bestBars_; }

    std::int64_t LowerBound() const {
        std::int64_t open = std::min(unresolved_, bestBars_);
        if (!open_.empty()) {
            open = std::min(open, open_.top().Bound);
        }
        return std::max(known_, open);
    }

  private:
    bool Done() const { return open_.empty() || bestBars_ <= LowerBound() || budget_.Over(); }

    void Process(Node node) {
        if (node.Bound >= bestBars_) {
            return;
        }
        const PieceGroups groups = GroupPieces(typeOf_.size(), node.Constraints);
        if (!groups.Feasible) {
            return;
        }
        for (const std::vector<std::int32_t>& members : groups.Members) {
            const Pattern alone = PiecesOf(members);
            if (!LeftoverOf(TypePatternOf(alone), types_)) {
                return;
            }
        }
        lp_.Allow([&](const Pattern& pieces) { return Allows(node.Constraints, pieces); });
        for (const std::vector<std::int32_t>& members : groups.Members) {
            lp_.Add(PiecesOf(members));
        }
        bool complete = false;
        std::int64_t rounds = 0;
        while (true) {
            if (budget_.Over()) {
                open_.push(std::move(node));
                return;
            }
            if (!lp_.Solve(budget_.SecondsLeft())) {
                // Cut short by the budget the node stays open; otherwise
                // its bound is the last the search can say of it.
                if (budget_.Over()) {
                    open_.push(std::move(node));
                } else {
                    unresolved_ = std::min(unresolved_, node.Bound);
                }
                return;
            }
            std::vector<double> worths = lp_.PieceWorths();
            // A piece counted as no length could fill a bar without end: it
            // is given no worth, which any bound allows.
            for (std::size_t piece = 0; piece < worths.size(); ++piece) {
                if (!(weightOfType_[static_cast<std::size_t>(typeOf_[piece])] > 0.0)) {
                    worths[piece] = 0.0;
                }
            }
            std::vector<ConflictItem> items;
            for (const std::vector<std::int32_t>& members : groups.Members) {
                ConflictItem item;
                for (const std::int32_t piece : members) {
                    item.Weight += weightOfType_[static_cast<std::size_t>(TypeOf(piece))];
                    item.Worth += worths[static_cast<std::size_t>(piece)];
                }
                items.push_back(item);
            }
            const KnapsackOutcome priced = PriceWithConflicts(
                items, groups.Conflicts, static_cast<double>(types_.BarLength), kWorthMore,
                kPatternsPerRound, kPricingNodes, unit_, settings_.Knapsack);
            long double total = 0.0L;
            for (const double worth : worths) {
                total += static_cast<long double>(worth);
            }
            node.Bound = std::max(node.Bound, BarsForWorth(total, priced.UpperBound));
            if (node.Bound >= bestBars_) {
                return;
            }
            // The relaxation can fall no further than the bound, rounded up:
            // the rest of its tail would change neither.
            if (static_cast<double>(node.Bound) >= std::ceil(lp_.Bars() - kWhole)) {
                break;
            }
            if (++rounds % kRoundsBetweenPlans == 0) {
                RoundAndComplete(lp_.InUse());
            }
            bool added = false;
            for (const Pattern& found : priced.Found) {
                const Pattern pieces = Passing(found, groups);
                double worth = 0.0;
                for (const TypeCount& entry : pieces) {
                    worth += worths[static_cast<std::size_t>(entry.Type)];
                }
                if (worth > kWorthMore && lp_.Add(pieces)) {
                    added = true;
                }
            }
            if (!added) {
                complete = priced.Complete;
                break;
            }
        }
        const std::vector<std::pair<const Pattern*, double>> inUse = lp_.InUse();
        RoundAndComplete(inUse);
        if (node.Bound >= bestBars_) {
            return;
        }
        const bool whole = std::all_of(inUse.begin(), inUse.end(), [](const auto& use) {
            return std::abs(use.second - std::round(use.second)) <= kWhole;
        });
        if (whole && complete) {
            // The node's best plan is its relaxation's, and no better.
            return;
        }
        const std::optional<PiecePair> pair = ChoosePair(inUse, groups);
        if (!pair) {
            unresolved_ = std::min(unresolved_, node.Bound);
            return;
        }
        Node apart = node;
        apart.Constraints.Apart.push_back(*pair);
        apart.Depth = node.Depth + 1;
        apart.Order = next_++;
        open_.push(std::move(apart));
        node.Constraints.Together.push_back(*pair);
        node.Depth += 1;
        node.Order = next_++;
        open_.push(std::move(node));
    }

    // The bars of a plan as patterns of pieces, each type's pieces handed
    // out in turn, so the relaxation starts from that plan rather than from
    // a piece to a bar.
    void AddBarsOf(const std::vector<PatternUse>& plan) {
        std::vector<std::int32_t> firstOfType;
        std::int32_t first = 0;
        for (const PieceType& type : types_.Types) {
            firstOfType.push_back(first);
            first += static_cast<std::int32_t>(type.Pieces);
        }
        std::vector<std::int32_t> next = firstOfType;
        for (const PatternUse& use : plan) {
            for (std::int64_t bar = 0; bar < use.Bars; ++bar) {
                std::vector<std::int32_t> pieces;
                for (const TypeCount& entry : use.Bar) {
                    const auto type = static_cast<std::size_t>(entry.Type);
                    for (std::int64_t piece = 0; piece < entry.Count; ++piece) {
                        pieces.push_back(next[type]++);
                    }
                }
                lp_.Add(PiecesOf(pieces));
            }
        }
    }

    std::int32_t TypeOf(std::int32_t piece) const {
        return typeOf_[static_cast<std::size_t>(piece)];
    }

    static Pattern PiecesOf(const std::vector<std::int32_t>& pieces) {
        Pattern pattern;
        for (const std::int32_t piece : pieces) {
            pattern.push_back({piece, 1});
        }
        std::sort(pattern.begin(), pattern.end(),
                  [](const TypeCount& a, const TypeCount& b) { return a.Type < b.Type; });
        return pattern;
    }

    // Pieces stand longest first, so their types come in order.
    Pattern TypePatternOf(const Pattern& pieces) const {
        Pattern pattern;
        for (const TypeCount& entry : pieces) {
            const std::int32_t type = TypeOf(entry.Type);
            if (!pattern.empty() && pattern.back().Type == type) {
                ++pattern.back().Count;
            } else {
                pattern.push_back({type, 1});
            }
        }
        return pattern;
    }

    // The pieces of the groups found. The pricing weighs exact sums (or
    // lengths counted short); the rare bar the 32-bit test refuses loses the
    // group of its shortest piece until it passes.
    Pattern Passing(const Pattern& found, const PieceGroups& groups) const {
        std::vector<std::int32_t> pieces;
        for (const TypeCount& entry : found) {
            const auto& members = groups.Members[static_cast<std::size_t>(entry.Type)];
            pieces.insert(pieces.end(), members.begin(), members.end());
        }
        Pattern pattern = PiecesOf(pieces);
        while (!pattern.empty() && !LeftoverOf(TypePatternOf(pattern), types_)) {
            const std::int32_t dropped =
                groups.GroupOf[static_cast<std::size_t>(pattern.back().Type)];
            std::erase_if(pattern, [&](const TypeCount& entry) {
                return groups.GroupOf[static_cast<std::size_t>(entry.Type)] == dropped;
            });
        }
        return pattern;
    }

    // A plan from the node's relaxation, and a better one made of it while
    // its worst bars can be mended.
    void RoundAndComplete(const std::vector<std::pair<const Pattern*, double>>& inUse) {
        const std::int64_t before = bestBars_;
        RoundAndFill(inUse);
        while (bestBars_ < before && ImproveWorstBars()) {
        }
    }

    // A new best plan may waste most on a few bars: the pieces of its
    // fullest-left bars are completed into one bar fewer where they can be.
    bool ImproveWorstBars() {
        std::vector<std::pair<float, const Pattern*>> bars;
        for (const PatternUse& use : best_) {
            const float left = LeftoverOf(use.Bar, types_).value_or(0.0f);
            for (std::int64_t bar = 0; bar < use.Bars; ++bar) {
                bars.emplace_back(left, &use.Bar);
            }
        }
        std::stable_sort(bars.begin(), bars.end(),
                         [](const auto& a, const auto& b) { return a.first > b.first; });
        for (std::size_t worst = 2; worst <= std::min(bars.size(), kMostBarsImproved); worst *= 2) {
            std::vector<std::int64_t> released(types_.Types.size(), 0);
            std::int64_t count = 0;
            for (std::size_t bar = 0; bar < worst; ++bar) {
                for (const TypeCount& entry : *bars[bar].second) {
                    released[static_cast<std::size_t>(entry.Type)] += entry.Count;
                    count += entry.Count;
                }
            }
            const auto completed =
                CompleteIntoBars(types_, released, static_cast<std::int64_t>(worst) - 1, budget_,
                                 kCompletionStepsPerPiece * count, 0, settings_.Completion);
            if (completed) {
                std::vector<PatternUse> plan = *completed;
                for (std::size_t bar = worst; bar < bars.size(); ++bar) {
                    plan.push_back({*bars[bar].second, 1});
                }
                Consider(plan);
                return true;
            }
        }
        return false;
    }

    // The relaxation's whole bars, as far as the pieces last, and the rest by
    // first fit, or by bin completion under the best plan's count when few
    // pieces are left.
    void RoundAndFill(const std::vector<std::pair<const Pattern*, double>>& inUse) {
        std::vector<std::int64_t> left;
        for (const PieceType& type : types_.Types) {
            left.push_back(type.Pieces);
        }
        auto byBars = inUse;
        std::stable_sort(byBars.begin(), byBars.end(),
                         [](const auto& a, const auto& b) { return a.second > b.second; });
        std::vector<PatternUse> plan;
        std::int64_t bars = 0;
        for (const auto& [pieces, amount] : byBars) {
            const auto copies = static_cast<std::int64_t>(std::floor(amount + 1e-6));
            const Pattern bar = TypePatternOf(*pieces);
            std::int64_t taken = 0;
            while (taken < copies && std::all_of(bar.begin(), bar.end(), [&](const TypeCount& e) {
                       return left[static_cast<std::size_t>(e.Type)] >= e.Count;
                   })) {
                for (const TypeCount& entry : bar) {
                    left[static_cast<std::size_t>(entry.Type)] -= entry.Count;
                }
                ++taken;
            }
            if (taken > 0) {
                plan.push_back({bar, taken});
                bars += taken;
            }
        }
        std::vector<PatternUse> rest = FirstFitPatterns(types_, left);
        std::vector<PatternUse> whole = plan;
        whole.insert(whole.end(), rest.begin(), rest.end());
        Consider(whole);
        std::int64_t count = 0;
        for (const std::int64_t pieces : left) {
            count += pieces;
        }
        if (count == 0 || count > kFewPiecesLeft || bestBars_ - 1 - bars <= 0) {
            return;
        }
        if (const auto completed =
                CompleteIntoBars(types_, left, bestBars_ - 1 - bars, budget_,
                                 kCompletionStepsPerPiece * count, 0, settings_.Completion)) {
            plan.insert(plan.end(), completed->begin(), completed->end());
            Consider(plan);
        }
    }

    const PieceTypes& types_;
    const PlanningBudget& budget_;
    const OptimiserSettings settings_;  // a copy: callers may pass a temporary
    std::vector<std::int32_t> typeOf_;
    CuttingStockLp lp_;
    double unit_;
    std::vector<double> weightOfType_;
    std::vector<PatternUse> best_;
    std::int64_t bestBars_;
    std::int64_t known_;
    std::int64_t unresolved_ = std::numeric_limits<std::int64_t>::max();
    std::priority_queue<Node, std::vector<Node>, ComesLater> open_;
    std::uint64_t next_ = 0;
};

BranchAndPrice::BranchAndPrice(const PieceTypes& types, const PlanningBudget& budget,
                               std::vector<PatternUse> best, std::int64_t lowerBound,
                               const OptimiserSettings& settings)
    : tree_(std::make_unique<Tree>(types, budget, std::move(best), lowerBound, settings)) {}

BranchAndPrice::~BranchAndPrice() = default;

bool BranchAndPrice::Step() {
    return tree_->Step();
}

void BranchAndPrice::Offer(const std::vector<PatternUse>& plan) {
    tree_->Consider(plan);
}

const std::vector<PatternUse>& BranchAndPrice::Best() const {
    return tree_->Best();
}

std::int64_t BranchAndPrice::BestBars() const {
    return tree_->BestBars();
}

std::int64_t BranchAndPrice::LowerBound() const {
    return tree_->LowerBound();
}
