#include "core/optimiser/CountSearch.h"

#include <cstddef>
#include <limits>
#include <map>

#include "core/optimiser/BarLowerBound.h"

namespace {

// Each state keeps the pattern that first reached it in two bytes, so a job
// at the limit of states takes 64 MiB.
using PatternMark = std::int16_t;
constexpr std::size_t kMostPatterns = 20000;
static_assert(kMostPatterns <= std::numeric_limits<PatternMark>::max());
constexpr PatternMark kUnseen = -1;
constexpr PatternMark kStart = -2;
constexpr PatternMark kPruned = -3;

struct CountPattern {
    std::vector<std::int64_t> Counts;  // by type
    std::int64_t Code = 0;             // its counts in the states' mixed radix
    std::uint32_t Extendable = 0;      // types one more piece of would still fit
};

class Search {
  public:
    Search(const PieceTypes& types, const std::vector<std::int64_t>& pieces,
           const PlanningBudget& budget)
        : types_(types), pieces_(pieces), budget_(budget) {}

    CountSearchOutcome Run(std::int64_t mostBars) {
        if (!MakeRadix() || !MakePatterns()) {
            return {};
        }
        std::vector<PatternMark> reachedBy(static_cast<std::size_t>(states_), kUnseen);
        const std::int64_t full = states_ - 1;
        reachedBy[static_cast<std::size_t>(full)] = kStart;
        std::vector<std::int64_t> layer{full};
        std::vector<std::int64_t> left(types_.Types.size());
        std::vector<std::int64_t> after(types_.Types.size());
        for (std::int64_t bars = 0; !layer.empty(); ++bars) {
            if (reachedBy[0] != kUnseen) {
                return {true, PlanBack(reachedBy)};
            }
            if (bars >= mostBars) {
                break;
            }
            std::vector<std::int64_t> next;
            std::size_t visits = 0;
            for (const std::int64_t state : layer) {
                if (visits++ % 64 == 0 && budget_.Over()) {
                    return {};
                }
                Decode(state, left);
                for (std::size_t p = 0; p < patterns_.size(); ++p) {
                    const CountPattern& pattern = patterns_[p];
                    if (!FitsAndFills(pattern, left)) {
                        continue;
                    }
                    const std::int64_t reached = state - pattern.Code;
                    PatternMark& mark = reachedBy[static_cast<std::size_t>(reached)];
                    if (mark != kUnseen) {
                        continue;
                    }
                    for (std::size_t t = 0; t < left.size(); ++t) {
                        after[t] = left[t] - pattern.Counts[t];
                    }
                    if (bars + 1 + LengthBound(types_, after) > mostBars) {
                        mark = kPruned;
                        continue;
                    }
                    mark = static_cast<PatternMark>(p);
                    next.push_back(reached);
                }
            }
            layer = std::move(next);
        }
        return {!budget_.Over(), std::nullopt};
    }

  private:
    bool MakeRadix() {
        if (types_.Types.size() > 32) {
            return false;
        }
        states_ = 1;
        for (const std::int64_t count : pieces_) {
            radix_.push_back(states_);
            if (count < 0 || count + 1 > kMostCountStates / states_) {
                return false;
            }
            states_ *= count + 1;
        }
        return true;
    }

    // Every pattern of at least one piece within the counts, by the nesting's
    // own test: types longest first, the 32-bit free length stored after each
    // piece.
    bool MakePatterns() {
        std::vector<std::int64_t> counts(pieces_.size(), 0);
        return AddPatterns(0, types_.BarLength, counts) && !patterns_.empty();
    }

    bool AddPatterns(std::size_t type, float left, std::vector<std::int64_t>& counts) {
        if (type == pieces_.size()) {
            std::int64_t code = 0;
            for (std::size_t t = 0; t < counts.size(); ++t) {
                code += counts[t] * radix_[t];
            }
            if (code == 0) {
                return true;
            }
            if (patterns_.size() >= kMostPatterns) {
                return false;
            }
            patterns_.push_back({counts, code, ExtendableTypes(counts)});
            return true;
        }
        const float length = types_.Types[type].Length;
        for (counts[type] = 0;; ++counts[type]) {
            if (!AddPatterns(type + 1, left, counts)) {
                return false;
            }
            if (counts[type] == pieces_[type] || !(left >= length)) {
                break;
            }
            left = left - length;
        }
        counts[type] = 0;
        return true;
    }

    std::uint32_t ExtendableTypes(const std::vector<std::int64_t>& counts) const {
        std::uint32_t extendable = 0;
        for (std::size_t t = 0; t < counts.size(); ++t) {
            std::vector<std::int64_t> more = counts;
            ++more[t];
            if (LeftoverOf(AsPattern(more), types_)) {
                extendable |= std::uint32_t{1} << t;
            }
        }
        return extendable;
    }

    static Pattern AsPattern(const std::vector<std::int64_t>& counts) {
        Pattern pattern;
        for (std::size_t t = 0; t < counts.size(); ++t) {
            if (counts[t] > 0) {
                pattern.push_back({static_cast<std::int32_t>(t), counts[t]});
            }
        }
        return pattern;
    }

    // Within the pieces left, and no piece left could be added.
    static bool FitsAndFills(const CountPattern& pattern, const std::vector<std::int64_t>& left) {
        for (std::size_t t = 0; t < left.size(); ++t) {
            if (pattern.Counts[t] > left[t]) {
                return false;
            }
            if (pattern.Counts[t] < left[t] && (pattern.Extendable >> t & 1U) != 0) {
                return false;
            }
        }
        return true;
    }

    void Decode(std::int64_t state, std::vector<std::int64_t>& left) const {
        for (std::size_t t = 0; t < left.size(); ++t) {
            left[t] = state / radix_[t] % (pieces_[t] + 1);
        }
    }

    std::vector<PatternUse> PlanBack(const std::vector<PatternMark>& reachedBy) const {
        std::map<PatternMark, std::int64_t> barsOf;
        for (std::int64_t state = 0; reachedBy[static_cast<std::size_t>(state)] != kStart;) {
            const PatternMark p = reachedBy[static_cast<std::size_t>(state)];
            ++barsOf[p];
            state += patterns_[static_cast<std::size_t>(p)].Code;
        }
        std::vector<PatternUse> plan;
        for (const auto& [p, bars] : barsOf) {
            plan.push_back({AsPattern(patterns_[static_cast<std::size_t>(p)].Counts), bars});
        }
        return plan;
    }

    const PieceTypes& types_;
    const std::vector<std::int64_t>& pieces_;
    const PlanningBudget& budget_;
    std::vector<std::int64_t> radix_;
    std::int64_t states_ = 0;
    std::vector<CountPattern> patterns_;
};

}  // namespace

CountSearchOutcome SearchByCounts(const PieceTypes& types, const std::vector<std::int64_t>& pieces,
                                  std::int64_t mostBars, const PlanningBudget& budget) {
    return Search(types, pieces, budget).Run(mostBars);
}
