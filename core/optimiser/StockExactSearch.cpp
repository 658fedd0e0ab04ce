#include "core/optimiser/StockExactSearch.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool Below(double a, double b) {
    return a < b - 1e-9 * std::max(1.0, std::fabs(b));
}

class Search {
  public:
    Search(const PieceTypes& types, const StockRack& rack, const PlanningBudget& budget,
           std::int64_t mostNodes)
        : types_(types), rack_(rack), budget_(budget), mostNodes_(mostNodes), onHand_(rack.OnHand) {
        for (std::size_t t = 0; t < types.Types.size(); ++t) {
            for (std::int64_t piece = 0; piece < types.Types[t].Pieces; ++piece) {
                pieces_.push_back(static_cast<std::int32_t>(t));
            }
        }
        barOf_.resize(pieces_.size());
        lengthFrom_.assign(pieces_.size() + 1, 0.0);
        for (std::size_t i = pieces_.size(); i-- > 0;) {
            lengthFrom_[i] = lengthFrom_[i + 1] + Length(i);
        }
    }

    void Start(const std::optional<std::vector<StockPattern>>& incumbent) {
        if (incumbent) {
            best_ = *incumbent;
            bestKey_ = KeyOf(*incumbent, types_, rack_);
        }
        Place(0, 0.0);
    }

    ExactStockPlan Outcome() const { return {best_, !aborted_}; }

  private:
    struct OpenBar {
        std::int32_t Stock;
        float Left;
        std::vector<std::int32_t> Pieces;
    };

    double Length(std::size_t piece) const {
        return types_.Types[static_cast<std::size_t>(pieces_[piece])].Length;
    }

    // The least the pieces from `piece` on can add beyond the bars open: the
    // length the open bars cannot take, at the cheapest rate on the rack.
    double LeastMore(std::size_t piece) const {
        double room = 0.0;
        for (const OpenBar& bar : bars_) {
            room += std::max(0.0f, bar.Left);
        }
        const double excess = lengthFrom_[piece] - room;
        if (!(excess > 0.0)) {
            return 0.0;
        }
        double rate = std::numeric_limits<double>::infinity();
        for (std::size_t s = 0; s < rack_.Size(); ++s) {
            if (onHand_[s] > 0 && rack_.Usable[s] > 0.0f) {
                rate = std::min(rate, rack_.Worth[s] / static_cast<double>(rack_.Usable[s]));
            }
        }
        return excess * rate * (1.0 - 1e-6);
    }

    void Place(std::size_t piece, double worth) {
        if (aborted_ || ++nodes_ > mostNodes_ || ((nodes_ & 1023) == 0 && budget_.Over())) {
            aborted_ = true;
            return;
        }
        if (best_ && Below(bestKey_.Worth, worth + LeastMore(piece))) {
            return;
        }
        if (piece == pieces_.size()) {
            Consider();
            return;
        }
        const float length = static_cast<float>(Length(piece));
        // Like pieces go into bars in order, so that no plan is tried twice.
        const std::size_t from =
            piece > 0 && pieces_[piece - 1] == pieces_[piece] ? barOf_[piece - 1] : 0;
        for (std::size_t b = from; b < bars_.size(); ++b) {
            OpenBar& bar = bars_[b];
            if (!(bar.Left >= length) || SameAsEarlier(b, from)) {
                continue;
            }
            const float before = bar.Left;
            bar.Left = bar.Left - length;
            bar.Pieces.push_back(pieces_[piece]);
            barOf_[piece] = b;
            Place(piece + 1, worth);
            bars_[b].Pieces.pop_back();
            bars_[b].Left = before;
        }
        for (std::size_t s = 0; s < rack_.Size(); ++s) {
            if (onHand_[s] <= 0 || !(rack_.Usable[s] >= length)) {
                continue;
            }
            --onHand_[s];
            bars_.push_back(
                {static_cast<std::int32_t>(s), rack_.Usable[s] - length, {pieces_[piece]}});
            barOf_[piece] = bars_.size() - 1;
            Place(piece + 1, worth + rack_.Worth[s]);
            bars_.pop_back();
            ++onHand_[s];
        }
    }

    // A bar of the same stock and free length as one tried before gives the
    // same plans.
    bool SameAsEarlier(std::size_t b, std::size_t from) const {
        for (std::size_t e = from; e < b; ++e) {
            if (bars_[e].Stock == bars_[b].Stock && bars_[e].Left == bars_[b].Left) {
                return true;
            }
        }
        return false;
    }

    void Consider() {
        std::vector<StockPattern> uses;
        for (const OpenBar& bar : bars_) {
            Pattern pattern;
            for (const std::int32_t type : bar.Pieces) {
                if (!pattern.empty() && pattern.back().Type == type) {
                    ++pattern.back().Count;
                } else {
                    pattern.push_back({type, 1});
                }
            }
            uses.push_back({bar.Stock, std::move(pattern), 1});
        }
        const StockPlanKey key = KeyOf(uses, types_, rack_);
        if (!best_ || key < bestKey_) {
            best_ = std::move(uses);
            bestKey_ = key;
        }
    }

    const PieceTypes& types_;
    const StockRack& rack_;
    const PlanningBudget& budget_;
    std::int64_t mostNodes_;
    std::vector<std::int64_t> onHand_;
    std::vector<std::int32_t> pieces_;
    std::vector<std::size_t> barOf_;
    std::vector<double> lengthFrom_;
    std::vector<OpenBar> bars_;
    std::optional<std::vector<StockPattern>> best_;
    StockPlanKey bestKey_;
    std::int64_t nodes_ = 0;
    bool aborted_ = false;
};

}  // namespace

bool StockPlanKey::operator<(const StockPlanKey& other) const {
    if (Below(Worth, other.Worth)) {
        return true;
    }
    if (Below(other.Worth, Worth)) {
        return false;
    }
    if (Bars != other.Bars) {
        return Bars < other.Bars;
    }
    return Below(other.Gathered, Gathered);
}

StockPlanKey KeyOf(const std::vector<StockPattern>& uses, const PieceTypes& types,
                   const StockRack& rack) {
    StockPlanKey key{WorthOf(uses, rack), BarsOf(uses), 0.0};
    for (const StockPattern& use : uses) {
        const double left =
            LeftIn(rack.Usable[static_cast<std::size_t>(use.Stock)], use.Bar, types).value_or(0.0f);
        key.Gathered += left * left * static_cast<double>(use.Bars);
    }
    return key;
}

ExactStockPlan SearchStockPlans(const PieceTypes& types, const StockRack& rack,
                                const std::optional<std::vector<StockPattern>>& incumbent,
                                const PlanningBudget& budget, const StockSettings& settings) {
    Search search(types, rack, budget, settings.SearchNodes);
    search.Start(incumbent);
    return search.Outcome();
}
