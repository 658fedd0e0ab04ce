#include "core/optimiser/FirstFitPatterns.h"

#include <algorithm>
#include <limits>

#include "core/plan/FirstFitIndex.h"

namespace {

// The one bar a pass cuts from what is left, each type giving as many pieces
// as still fit.
Pattern FillOneBar(const PieceTypes& types, const std::vector<std::int64_t>& pieces,
                   const FirstFitIndex& live) {
    Pattern bar;
    float left = types.BarLength;
    std::size_t position = live.FindFirstFitting(0, left);
    while (position != FirstFitIndex::kNone) {
        const float length = types.Types[position].Length;
        TypeCount entry{static_cast<std::int32_t>(position), 0};
        while (entry.Count < pieces[position] && left >= length) {
            left = left - length;
            ++entry.Count;
        }
        bar.push_back(entry);
        position = live.FindFirstFitting(position + 1, left);
    }
    return bar;
}

}  // namespace

std::vector<PatternUse> FirstFitPatterns(const PieceTypes& types,
                                         std::vector<std::int64_t> pieces) {
    std::vector<float> lengths;
    for (const PieceType& type : types.Types) {
        lengths.push_back(type.Length);
    }
    FirstFitIndex live(lengths);
    std::size_t liveTypes = 0;
    for (std::size_t t = 0; t < pieces.size(); ++t) {
        if (pieces[t] > 0) {
            ++liveTypes;
        } else {
            live.Remove(t);
        }
    }
    std::vector<PatternUse> uses;
    while (liveTypes > 0) {
        Pattern bar = FillOneBar(types, pieces, live);
        if (bar.empty()) {
            break;  // a piece longer than the bar; the caller refuses such jobs
        }
        // The next bars repeat this one for as long as every type in it still
        // has a full bar's share: every pass then makes the same choices.
        std::int64_t repeats = std::numeric_limits<std::int64_t>::max();
        for (const TypeCount& entry : bar) {
            repeats = std::min(repeats, pieces[static_cast<std::size_t>(entry.Type)] / entry.Count);
        }
        for (const TypeCount& entry : bar) {
            const std::size_t t = static_cast<std::size_t>(entry.Type);
            pieces[t] -= entry.Count * repeats;
            if (pieces[t] == 0) {
                live.Remove(t);
                --liveTypes;
            }
        }
        uses.push_back({std::move(bar), repeats});
    }
    return uses;
}

std::int64_t BarsOf(const std::vector<PatternUse>& uses) {
    std::int64_t bars = 0;
    for (const PatternUse& use : uses) {
        bars += use.Bars;
    }
    return bars;
}
