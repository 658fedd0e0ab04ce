#include "core/optimiser/BranchAndPrice.h"

#include <algorithm>
#include <cmath>
#include <queue>

#include "core/optimiser/BarLowerBound.h"
#include "core/optimiser/BinCompletion.h"
#include "core/optimiser/BranchingRule.h"
#include "core/optimiser/ConstrainedPricing.h"
#include "core/optimiser/CostBound.h"
#include "core/optimiser/CuttingStockLp.h"
#include "core/optimiser/FirstFitPatterns.h"
#include "core/optimiser/StockGreedy.h"

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
constexpr double kNoPlan = std::numeric_limits<double>::infinity();

struct Node {
    BranchConstraints Constraints;
    double Bound = 0.0;
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

// One bar length bought as needed, each bar counting one.
StockRack OneBar(const PieceTypes& types) {
    StockRack rack;
    rack.Usable.push_back(types.BarLength);
    rack.Worth.push_back(1.0);
    rack.OnHand.push_back(StockRack::kUnlimited);
    return rack;
}

UnitCosts OneEach() {
    UnitCosts costs;
    costs.Cost = {1.0};
    costs.Whole = true;
    costs.Grain = 1.0;
    costs.PerGrain = 1;
    return costs;
}

std::vector<StockPattern> OnLineZero(const std::vector<PatternUse>& plan) {
    std::vector<StockPattern> uses;
    for (const PatternUse& use : plan) {
        uses.push_back({0, use.Bar, use.Bars});
    }
    return uses;
}

}  // namespace

bool SuitsBranchAndPrice(const PieceTypes& types) {
    const std::int64_t pieces = TotalPieces(types);
    return pieces > 0 && pieces <= kMostPiecesToBranchOn;
}

class BranchAndPrice::Tree {
  public:
    Tree(const PieceTypes& types, StockRack rack, UnitCosts costs, bool oneBar,
         const PlanningBudget& budget, std::optional<std::vector<StockPattern>> best,
         double lowerBound, const OptimiserSettings& settings)
        : types_(types),
          rack_(std::move(rack)),
          costs_(std::move(costs)),
          oneBar_(oneBar),
          budget_(budget),
          settings_(settings),
          typeOf_(TypeOfEachPiece(types)),
          lp_(std::vector<std::int64_t>(typeOf_.size(), 1), LpLines()),
          known_(lowerBound) {
        for (std::size_t s = 0; s < rack_.Size(); ++s) {
            PieceTypes onLine = types;
            onLine.BarLength = rack_.Usable[s];
            unit_.push_back(CommonUnit(onLine, settings.Knapsack));
            std::vector<double> weights;
            for (std::size_t t = 0; t < types.Types.size(); ++t) {
                weights.push_back(BoundLength(onLine, t, unit_.back()));
            }
            weightOfType_.push_back(std::move(weights));
            typesOn_.push_back(std::move(onLine));
        }
        open_.push({{}, lowerBound, 0, next_++});
        if (best) {
            Consider(*best);
            AddBarsOf(*best);
        }
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

    void Consider(const std::vector<StockPattern>& plan) {
        const double cost = CostOf(plan);
        const bool better =
            oneBar_ ? cost < bestCost_
                    : !best_ || KeyOf(plan, types_, rack_) < KeyOf(*best_, types_, rack_);
        if (better) {
            best_ = plan;
            bestCost_ = cost;
            if (oneBar_) {
                bestOfBar_.clear();
                for (const StockPattern& use : plan) {
                    bestOfBar_.push_back({use.Bar, use.Bars});
                }
            }
        }
    }

    const std::optional<std::vector<StockPattern>>& Best() const { return best_; }
    const std::vector<PatternUse>& BestOfBar() const { return bestOfBar_; }
    double BestCost() const { return bestCost_; }
    bool Proven() const { return best_ && Closes(LowerBound(), bestCost_); }

    double LowerBound() const {
        double open = std::min(unresolved_, bestCost_);
        if (!open_.empty()) {
            open = std::min(open, open_.top().Bound);
        }
        return std::max(known_, open);
    }

    // Patterns of types, as a relaxation of the whole job uses them, as
    // patterns of pieces on the first line: each type's pieces are handed
    // out in turn and round again, so that the patterns of a type spread
    // over all its pieces.
    void AddTypePatterns(const std::vector<Pattern>& patterns) {
        const std::vector<std::int32_t> first = FirstPieceOfEachType();
        std::vector<std::int64_t> handedOut(first.size(), 0);
        for (const Pattern& pattern : patterns) {
            std::vector<std::int32_t> pieces;
            for (const TypeCount& entry : pattern) {
                const auto type = static_cast<std::size_t>(entry.Type);
                const std::int64_t count = types_.Types[type].Pieces;
                for (std::int64_t piece = 0; piece < std::min(entry.Count, count); ++piece) {
                    pieces.push_back(first[type] +
                                     static_cast<std::int32_t>(handedOut[type]++ % count));
                }
            }
            if (!pieces.empty()) {
                lp_.Add(PiecesOf(pieces), 0);
            }
        }
    }

  private:
    std::vector<LpLine> LpLines() const {
        std::vector<LpLine> lines;
        for (std::size_t s = 0; s < rack_.Size(); ++s) {
            LpLine line{costs_.Cost[s], std::nullopt};
            if (rack_.OnHand[s] < StockRack::kUnlimited) {
                line.Most = rack_.OnHand[s];
            }
            lines.push_back(line);
        }
        return lines;
    }

    double CostOf(const std::vector<StockPattern>& plan) const {
        double cost = 0.0;
        for (const StockPattern& use : plan) {
            cost +=
                costs_.Cost[static_cast<std::size_t>(use.Stock)] * static_cast<double>(use.Bars);
        }
        return cost;
    }

    // Whether a bound shows that nothing cheaper than `cost` is left. Costs
    // in whole units compare exactly; others within the roundings of their
    // sums.
    bool Closes(double bound, double cost) const {
        if (costs_.Whole) {
            return bound >= cost;
        }
        return bound >= cost - 1e-9 * std::max(1.0, std::fabs(cost));
    }

    bool Done() const { return open_.empty() || Closes(LowerBound(), bestCost_) || budget_.Over(); }

    std::int64_t MostBarsOf(std::size_t s) const {
        return std::min(rack_.OnHand[s], static_cast<std::int64_t>(typeOf_.size()));
    }

    void Process(Node node) {
        if (Closes(node.Bound, bestCost_)) {
            return;
        }
        const PieceGroups groups = GroupPieces(typeOf_.size(), node.Constraints);
        if (!groups.Feasible) {
            return;
        }
        // Whether each group may be cut from each line, and fits it alone.
        const std::size_t lines = rack_.Size();
        const std::vector<char> open = LinesOpenTo(groups, node.Constraints, lines);
        std::vector<char> fits(open.size(), 0);
        for (std::size_t g = 0; g < groups.Members.size(); ++g) {
            const Pattern alone = TypePatternOf(PiecesOf(groups.Members[g]));
            bool anywhere = false;
            for (std::size_t s = 0; s < lines; ++s) {
                fits[g * lines + s] = open[g * lines + s] != 0 && MostBarsOf(s) > 0 &&
                                      LeftoverOf(alone, typesOn_[s]).has_value();
                anywhere = anywhere || fits[g * lines + s] != 0;
            }
            if (!anywhere) {
                return;
            }
        }
        lp_.Allow([&](const Pattern& pieces, std::int32_t line) {
            return AllowsOn(node.Constraints, pieces, line);
        });
        for (std::size_t g = 0; g < groups.Members.size(); ++g) {
            const Pattern alone = PiecesOf(groups.Members[g]);
            for (std::size_t s = 0; s < lines; ++s) {
                if (fits[g * lines + s] != 0) {
                    lp_.Add(alone, static_cast<std::int32_t>(s));
                }
            }
        }
        bool complete = false;
        std::int64_t rounds = 0;
        while (true) {
            if (budget_.Over()) {
                open_.push(std::move(node));
                return;
            }
            if (!lp_.Solve(budget_)) {
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
                for (const std::vector<double>& weights : weightOfType_) {
                    if (!(weights[static_cast<std::size_t>(typeOf_[piece])] > 0.0)) {
                        worths[piece] = 0.0;
                    }
                }
            }
            const std::vector<double> lineWorths = lp_.LineWorths();
            long double total = 0.0L;
            for (const double worth : worths) {
                total += static_cast<long double>(worth);
            }
            std::vector<KnapsackOutcome> priced(rack_.Size());
            std::vector<LineWorth> bounds;
            for (std::size_t s = 0; s < rack_.Size(); ++s) {
                if (MostBarsOf(s) <= 0) {
                    continue;
                }
                std::vector<ConflictItem> items;
                for (std::size_t g = 0; g < groups.Members.size(); ++g) {
                    ConflictItem item;
                    for (const std::int32_t piece : groups.Members[g]) {
                        item.Weight += weightOfType_[s][static_cast<std::size_t>(TypeOf(piece))];
                        item.Worth += worths[static_cast<std::size_t>(piece)];
                    }
                    if (open[g * lines + s] == 0) {
                        item.Worth = 0.0;
                    }
                    items.push_back(item);
                }
                priced[s] = PriceWithConflicts(
                    items, groups.Conflicts, static_cast<double>(rack_.Usable[s]),
                    Threshold(s, lineWorths), kPatternsPerRound, kPricingNodes, unit_[s],
                    settings_.Knapsack, budget_);
                bounds.push_back(
                    {costs_.Cost[s], priced[s].UpperBound, static_cast<double>(MostBarsOf(s))});
            }
            node.Bound = std::max(node.Bound, BoundOf(total, priced, bounds));
            if (Closes(node.Bound, bestCost_)) {
                return;
            }
            // The relaxation can fall no further than the bound, rounded up:
            // the rest of its tail would change neither.
            if (Settled(node.Bound, lp_.Bars())) {
                break;
            }
            if (++rounds % kRoundsBetweenPlans == 0) {
                RoundAndComplete(lp_.InUseOnLines());
            }
            bool added = false;
            for (std::size_t s = 0; s < rack_.Size(); ++s) {
                const double threshold = Threshold(s, lineWorths);
                for (const Pattern& found : priced[s].Found) {
                    const Pattern pieces = Passing(found, groups, s);
                    double worth = 0.0;
                    for (const TypeCount& entry : pieces) {
                        worth += worths[static_cast<std::size_t>(entry.Type)];
                    }
                    if (worth > threshold && lp_.Add(pieces, static_cast<std::int32_t>(s))) {
                        added = true;
                    }
                }
            }
            if (!added) {
                complete = true;
                for (std::size_t s = 0; s < rack_.Size(); ++s) {
                    complete = complete && (MostBarsOf(s) <= 0 || priced[s].Complete);
                }
                break;
            }
        }
        const std::vector<LineUse> inUse = lp_.InUseOnLines();
        RoundAndComplete(inUse);
        if (Closes(node.Bound, bestCost_)) {
            return;
        }
        const bool whole = std::all_of(inUse.begin(), inUse.end(), [](const LineUse& use) {
            return std::abs(use.Bars - std::round(use.Bars)) <= kWhole;
        });
        if (whole && complete && !lp_.Uncovered()) {
            // The node's best plan is its relaxation's, and no better.
            return;
        }
        std::vector<std::pair<const Pattern*, double>> pairs;
        for (const LineUse& use : inUse) {
            pairs.emplace_back(use.Bar, use.Bars);
        }
        if (const std::optional<PiecePair> pair = ChoosePair(pairs, groups)) {
            Node apart = node;
            apart.Constraints.Apart.push_back(*pair);
            Branch(std::move(node), std::move(apart),
                   [&](Node& together) { together.Constraints.Together.push_back(*pair); });
            return;
        }
        if (const std::optional<PieceOnLine> line = ChooseLine(inUse, groups)) {
            Node off = node;
            off.Constraints.OffLine.push_back(*line);
            Branch(std::move(node), std::move(off),
                   [&](Node& on) { on.Constraints.OnLine.push_back(*line); });
            return;
        }
        unresolved_ = std::min(unresolved_, node.Bound);
    }

    // Pushes the two children of a node: `other`, then the node itself as
    // `constrain` narrows it.
    template <typename Constrain>
    void Branch(Node node, Node other, Constrain constrain) {
        other.Depth = node.Depth + 1;
        other.Order = next_++;
        open_.push(std::move(other));
        constrain(node);
        node.Depth += 1;
        node.Order = next_++;
        open_.push(std::move(node));
    }

    // A pattern is worth a bar of the line when it is worth more than the
    // bar costs and than the bar on hand is worth elsewhere.
    double Threshold(std::size_t s, const std::vector<double>& lineWorths) const {
        return (costs_.Cost[s] + lineWorths[s]) * kWorthMore;
    }

    // The least cost of the node's plans by the piece worths: of one bar
    // length, the bars their total needs at the most a bar holds.
    double BoundOf(long double total, const std::vector<KnapsackOutcome>& priced,
                   const std::vector<LineWorth>& lines) const {
        if (oneBar_) {
            return static_cast<double>(BarsForWorth(total, priced[0].UpperBound));
        }
        return costs_.RoundUp(LeastCostForWorth(total, lines));
    }

    bool Settled(double bound, double relaxation) const {
        if (costs_.Whole) {
            return bound >= std::ceil(relaxation - kWhole);
        }
        return bound >= relaxation - 1e-9 * std::max(1.0, std::fabs(relaxation));
    }

    // The bars of a plan as patterns of pieces, each type's pieces handed
    // out in turn, so the relaxation starts from that plan rather than from
    // a piece to a bar.
    void AddBarsOf(const std::vector<StockPattern>& plan) {
        std::vector<std::int32_t> next = FirstPieceOfEachType();
        for (const StockPattern& use : plan) {
            for (std::int64_t bar = 0; bar < use.Bars; ++bar) {
                std::vector<std::int32_t> pieces;
                for (const TypeCount& entry : use.Bar) {
                    const auto type = static_cast<std::size_t>(entry.Type);
                    for (std::int64_t piece = 0; piece < entry.Count; ++piece) {
                        pieces.push_back(next[type]++);
                    }
                }
                lp_.Add(PiecesOf(pieces), use.Stock);
            }
        }
    }

    std::vector<std::int32_t> FirstPieceOfEachType() const {
        std::vector<std::int32_t> firstOfType;
        std::int32_t first = 0;
        for (const PieceType& type : types_.Types) {
            firstOfType.push_back(first);
            first += static_cast<std::int32_t>(type.Pieces);
        }
        return firstOfType;
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
    Pattern Passing(const Pattern& found, const PieceGroups& groups, std::size_t s) const {
        std::vector<std::int32_t> pieces;
        for (const TypeCount& entry : found) {
            const auto& members = groups.Members[static_cast<std::size_t>(entry.Type)];
            pieces.insert(pieces.end(), members.begin(), members.end());
        }
        Pattern pattern = PiecesOf(pieces);
        while (!pattern.empty() && !LeftoverOf(TypePatternOf(pattern), typesOn_[s])) {
            const std::int32_t dropped =
                groups.GroupOf[static_cast<std::size_t>(pattern.back().Type)];
            std::erase_if(pattern, [&](const TypeCount& entry) {
                return groups.GroupOf[static_cast<std::size_t>(entry.Type)] == dropped;
            });
        }
        return pattern;
    }

    // A plan from the node's relaxation, and of one bar length a better one
    // made of it while its worst bars can be mended.
    void RoundAndComplete(const std::vector<LineUse>& inUse) {
        const double before = bestCost_;
        RoundAndFill(inUse);
        while (oneBar_ && bestCost_ < before && ImproveWorstBars()) {
        }
    }

    // A new best plan may waste most on a few bars: the pieces of its
    // fullest-left bars are completed into one bar fewer where they can be.
    bool ImproveWorstBars() {
        std::vector<std::pair<float, const Pattern*>> bars;
        for (const StockPattern& use : *best_) {
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
                std::vector<StockPattern> plan = OnLineZero(*completed);
                for (std::size_t bar = worst; bar < bars.size(); ++bar) {
                    plan.push_back({0, *bars[bar].second, 1});
                }
                Consider(plan);
                return true;
            }
        }
        return false;
    }

    // The relaxation's whole bars, as far as the pieces and the bars on hand
    // last, and the rest by first fit of one bar length, or by bin
    // completion under the best plan's count when few pieces are left; from
    // several lines, the rest planned bar by bar on what is left of the rack.
    void RoundAndFill(const std::vector<LineUse>& inUse) {
        std::vector<std::int64_t> left;
        for (const PieceType& type : types_.Types) {
            left.push_back(type.Pieces);
        }
        StockRack rest = rack_;
        auto byBars = inUse;
        std::stable_sort(byBars.begin(), byBars.end(),
                         [](const LineUse& a, const LineUse& b) { return a.Bars > b.Bars; });
        std::vector<StockPattern> plan;
        std::int64_t bars = 0;
        for (const LineUse& use : byBars) {
            const auto copies = static_cast<std::int64_t>(std::floor(use.Bars + 1e-6));
            const Pattern bar = TypePatternOf(*use.Bar);
            std::int64_t& onHand = rest.OnHand[static_cast<std::size_t>(use.Line)];
            std::int64_t taken = 0;
            while (taken < copies && onHand > 0 &&
                   std::all_of(bar.begin(), bar.end(), [&](const TypeCount& e) {
                       return left[static_cast<std::size_t>(e.Type)] >= e.Count;
                   })) {
                for (const TypeCount& entry : bar) {
                    left[static_cast<std::size_t>(entry.Type)] -= entry.Count;
                }
                ++taken;
                if (onHand < StockRack::kUnlimited) {
                    --onHand;
                }
            }
            if (taken > 0) {
                plan.push_back({use.Line, bar, taken});
                bars += taken;
            }
        }
        if (!oneBar_) {
            if (auto more = PlanGreedily(types_, rest, budget_, left, settings_)) {
                plan.insert(plan.end(), more->begin(), more->end());
                MoveToCheaperStock(plan, types_, rack_);
                Consider(plan);
            }
            return;
        }
        std::vector<StockPattern> whole = plan;
        for (const PatternUse& use : FirstFitPatterns(types_, left)) {
            whole.push_back({0, use.Bar, use.Bars});
        }
        Consider(whole);
        std::int64_t count = 0;
        for (const std::int64_t pieces : left) {
            count += pieces;
        }
        const auto bestBars = static_cast<std::int64_t>(bestCost_);
        if (count == 0 || count > kFewPiecesLeft || bestBars - 1 - bars <= 0) {
            return;
        }
        if (const auto completed =
                CompleteIntoBars(types_, left, bestBars - 1 - bars, budget_,
                                 kCompletionStepsPerPiece * count, 0, settings_.Completion)) {
            const std::vector<StockPattern> more = OnLineZero(*completed);
            plan.insert(plan.end(), more.begin(), more.end());
            Consider(plan);
        }
    }

    const PieceTypes& types_;
    StockRack rack_;
    UnitCosts costs_;
    bool oneBar_;
    const PlanningBudget& budget_;
    // A copy: the settings passed by default live only as long as the call.
    const OptimiserSettings settings_;
    std::vector<std::int32_t> typeOf_;
    CuttingStockLp lp_;
    std::vector<PieceTypes> typesOn_;  // the types on each line's usable length
    std::vector<double> unit_;
    std::vector<std::vector<double>> weightOfType_;  // by line, then type
    std::optional<std::vector<StockPattern>> best_;
    std::vector<PatternUse> bestOfBar_;  // the best plan of one bar length
    double bestCost_ = kNoPlan;
    double known_;
    double unresolved_ = kNoPlan;
    std::priority_queue<Node, std::vector<Node>, ComesLater> open_;
    std::uint64_t next_ = 0;
};

BranchAndPrice::BranchAndPrice(const PieceTypes& types, const PlanningBudget& budget,
                               std::vector<PatternUse> best, std::int64_t lowerBound,
                               const OptimiserSettings& settings)
    : tree_(std::make_unique<Tree>(types, OneBar(types), OneEach(), true, budget, OnLineZero(best),
                                   static_cast<double>(lowerBound), settings)) {}

BranchAndPrice::BranchAndPrice(const PieceTypes& types, const StockRack& rack,
                               const UnitCosts& costs, const PlanningBudget& budget,
                               std::optional<std::vector<StockPattern>> best, double lowerBound,
                               const OptimiserSettings& settings)
    : tree_(std::make_unique<Tree>(types, rack, costs, false, budget, std::move(best), lowerBound,
                                   settings)) {}

BranchAndPrice::~BranchAndPrice() = default;

bool BranchAndPrice::Step() {
    return tree_->Step();
}

void BranchAndPrice::StartFrom(const std::vector<Pattern>& patterns) {
    tree_->AddTypePatterns(patterns);
}

void BranchAndPrice::Offer(const std::vector<PatternUse>& plan) {
    tree_->Consider(OnLineZero(plan));
}

const std::vector<PatternUse>& BranchAndPrice::Best() const {
    return tree_->BestOfBar();
}

std::int64_t BranchAndPrice::BestBars() const {
    return static_cast<std::int64_t>(tree_->BestCost());
}

std::int64_t BranchAndPrice::LowerBound() const {
    return static_cast<std::int64_t>(tree_->LowerBound());
}

const std::optional<std::vector<StockPattern>>& BranchAndPrice::BestFromStock() const {
    return tree_->Best();
}

double BranchAndPrice::BestCost() const {
    return tree_->BestCost();
}

double BranchAndPrice::CostBound() const {
    return tree_->LowerBound();
}

bool BranchAndPrice::Proven() const {
    return tree_->Proven();
}
