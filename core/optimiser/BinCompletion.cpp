#include "core/optimiser/BinCompletion.h"

#include <algorithm>
#include <random>

namespace {

// A node weighs up to a bar's steps of completions, a large job's nodes a
// fraction of a millisecond each: the clock is read often enough that the
// search ends within a few of them.
constexpr std::int64_t kNodesBetweenClockReadings = 8;

struct Completion {
    Pattern Bar;
    double Waste = 0.0;
    unsigned Tie = 0;
};

class Completer {
  public:
    Completer(const PieceTypes& types, std::vector<std::int64_t> pieces,
              const PlanningBudget& budget, std::int64_t nodeLimit, unsigned seed,
              const CompletionSettings& settings)
        : types_(types),
          settings_(settings),
          pieces_(std::move(pieces)),
          budget_(budget),
          nodeLimit_(nodeLimit),
          random_(seed),
          shuffle_(seed != 0) {
        for (const PieceType& type : types_.Types) {
            lengths_.push_back(type.Length);
        }
    }

    std::optional<std::vector<PatternUse>> Run(std::int64_t bars) {
        long double total = 0.0L;
        for (std::size_t t = 0; t < pieces_.size(); ++t) {
            total += static_cast<long double>(types_.Types[t].Length) * pieces_[t];
        }
        // Rounding in the 32-bit test may let a bar hold a hair more than the
        // exact sum, so the waste allowed is widened by that much.
        const double tolerance = 1e-6 * static_cast<double>(types_.BarLength);
        const double slack =
            static_cast<double>(static_cast<long double>(bars) * types_.BarLength - total) +
            tolerance;
        if (slack < 0.0 || !Place(bars, slack)) {
            return std::nullopt;
        }
        std::vector<PatternUse> uses;
        for (Pattern& bar : chosen_) {
            uses.push_back({std::move(bar), 1});
        }
        return uses;
    }

  private:
    bool Place(std::int64_t barsLeft, double slack) {
        const auto first = std::find_if(pieces_.begin(), pieces_.end(),
                                        [](std::int64_t count) { return count > 0; });
        if (first == pieces_.end()) {
            return true;
        }
        if (barsLeft == 0 || stopped_) {
            return false;
        }
        // Out of steps or of time, the whole search ends, not just this branch.
        if (++nodes_ > nodeLimit_ || (nodes_ % kNodesBetweenClockReadings == 0 && budget_.Over())) {
            stopped_ = true;
            return false;
        }
        std::vector<Completion> completions =
            CompletionsOf(static_cast<std::int32_t>(first - pieces_.begin()), slack);
        for (const Completion& completion : completions) {
            Take(completion.Bar, -1);
            chosen_.push_back(completion.Bar);
            if (Place(barsLeft - 1, slack - completion.Waste)) {
                return true;
            }
            chosen_.pop_back();
            Take(completion.Bar, +1);
            if (stopped_) {
                return false;
            }
        }
        return false;
    }

    void Take(const Pattern& bar, std::int64_t sign) {
        for (const TypeCount& entry : bar) {
            pieces_[static_cast<std::size_t>(entry.Type)] += sign * entry.Count;
        }
    }

    // The ways to fill the bar that starts with a piece of the longest type
    // left, wasting no more than the slack, least waste first.
    std::vector<Completion> CompletionsOf(std::int32_t longest, double slack) {
        const std::size_t count = pieces_.size();
        after_.assign(count + 1, 0.0);
        for (std::size_t t = count; t-- > 0;) {
            after_[t] = after_[t + 1] + static_cast<double>(types_.Types[t].Length) *
                                            static_cast<double>(pieces_[t]);
        }
        found_.clear();
        steps_ = 0;
        shortest_ = static_cast<double>(types_.BarLength);
        for (std::size_t t = count; t-- > 0;) {
            if (pieces_[t] > 0) {
                shortest_ = types_.Types[t].Length;
                break;
            }
        }
        current_.assign(1, {longest, 1});
        --pieces_[static_cast<std::size_t>(longest)];
        after_[static_cast<std::size_t>(longest)] -=
            types_.Types[static_cast<std::size_t>(longest)].Length;
        Extend(static_cast<std::size_t>(longest), types_.BarLength - types_.Types[longest].Length,
               slack);
        ++pieces_[static_cast<std::size_t>(longest)];
        for (Completion& completion : found_) {
            completion.Tie = shuffle_ ? static_cast<unsigned>(random_()) : 0u;
        }
        std::sort(found_.begin(), found_.end(), [](const Completion& a, const Completion& b) {
            return a.Waste != b.Waste ? a.Waste < b.Waste : a.Tie < b.Tie;
        });
        return found_;
    }

    // Adds pieces of types from `from` on (shorter or equal, so the bar's
    // pieces stay longest first) to the bar being completed.
    void Extend(std::size_t from, float left, double slack) {
        if (left <= slack) {
            Keep(left);
        }
        // Lengths stand longest first: skip at once those too long for what is left.
        const auto fitting = std::lower_bound(lengths_.begin() + static_cast<long>(from),
                                              lengths_.end(), left, std::greater<>());
        for (auto t = static_cast<std::size_t>(fitting - lengths_.begin()); t < pieces_.size();
             ++t) {
            if (++steps_ > settings_.StepsPerBar) {
                return;
            }
            // Even every shorter piece left would not bring the waste down.
            if (static_cast<double>(left) - after_[t] > slack) {
                return;
            }
            const float length = types_.Types[t].Length;
            if (static_cast<double>(left) - length > slack &&
                static_cast<double>(left) - length < shortest_) {
                // Neither the last piece of the bar nor followed by another:
                // go on where a piece after this one could still fit.
                const auto next =
                    std::lower_bound(lengths_.begin() + static_cast<long>(t) + 1, lengths_.end(),
                                     left - shortest_, std::greater<>());
                t = static_cast<std::size_t>(next - lengths_.begin()) - 1;
                continue;
            }
            if (pieces_[t] == 0 || !(left >= length)) {
                continue;
            }
            --pieces_[t];
            after_[t] -= length;
            AddToCurrent(static_cast<std::int32_t>(t));
            Extend(t, left - length, slack);
            RemoveFromCurrent();
            after_[t] += length;
            ++pieces_[t];
        }
    }

    void Keep(float waste) {
        if (found_.size() == settings_.CompletionsPerBar) {
            auto worst = std::max_element(
                found_.begin(), found_.end(),
                [](const Completion& a, const Completion& b) { return a.Waste < b.Waste; });
            if (worst->Waste <= waste) {
                return;
            }
            *worst = {current_, waste, 0};
            return;
        }
        found_.push_back({current_, waste, 0});
    }

    void AddToCurrent(std::int32_t type) {
        if (current_.back().Type == type) {
            ++current_.back().Count;
        } else {
            current_.push_back({type, 1});
        }
    }

    void RemoveFromCurrent() {
        if (--current_.back().Count == 0) {
            current_.pop_back();
        }
    }

    const PieceTypes& types_;
    const CompletionSettings& settings_;
    std::vector<std::int64_t> pieces_;
    const PlanningBudget& budget_;
    std::int64_t nodeLimit_;
    std::mt19937 random_;
    bool shuffle_;
    std::int64_t nodes_ = 0;
    bool stopped_ = false;
    std::vector<Pattern> chosen_;
    std::vector<float> lengths_;
    double shortest_ = 0.0;  // the shortest piece left when the bar was opened
    std::vector<double> after_;
    std::vector<Completion> found_;
    Pattern current_;
    std::int64_t steps_ = 0;
};

}  // namespace

std::optional<std::vector<PatternUse>> CompleteIntoBars(const PieceTypes& types,
                                                        std::vector<std::int64_t> pieces,
                                                        std::int64_t bars,
                                                        const PlanningBudget& budget,
                                                        std::int64_t nodeLimit, unsigned seed,
                                                        const CompletionSettings& settings) {
    return Completer(types, std::move(pieces), budget, nodeLimit, seed, settings).Run(bars);
}
