#include "core/optimiser/PlanFromPatterns.h"

#include <algorithm>
#include <cmath>

#include "model/Exceptions.h"

namespace {

// Longer pieces first, then more of them; a pattern that is the start of
// another stands after it.
bool StandsBefore(const Pattern& a, const Pattern& b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (a[i].Type != b[i].Type) {
            return a[i].Type < b[i].Type;
        }
        if (a[i].Count != b[i].Count) {
            return a[i].Count > b[i].Count;
        }
    }
    return a.size() > b.size();
}

std::vector<PatternUse> InReportOrder(std::vector<PatternUse> uses) {
    std::erase_if(uses, [](const PatternUse& use) { return use.Bars <= 0 || use.Bar.empty(); });
    std::sort(uses.begin(), uses.end(),
              [](const PatternUse& a, const PatternUse& b) { return StandsBefore(a.Bar, b.Bar); });
    std::vector<PatternUse> merged;
    for (PatternUse& use : uses) {
        if (!merged.empty() && merged.back().Bar == use.Bar) {
            merged.back().Bars += use.Bars;
        } else {
            merged.push_back(std::move(use));
        }
    }
    return merged;
}

float Checked(float value) {
    if (std::isinf(value)) {
        throw EOverflow();
    }
    if (std::isnan(value)) {
        throw EInvalidOp();
    }
    return value;
}

// Hands out the pieces of one type's rows in row order.
class RowCursor {
  public:
    RowCursor(const PreparedCutList& cutList, const PieceType& type)
        : cutList_(cutList), rows_(type.Rows) {}

    void Take(std::int64_t count, std::vector<PieceRun>& runs) {
        while (count > 0 && next_ < rows_.size()) {
            const int row = rows_[next_];
            if (taken_ == 0) {
                inRow_ = PiecesOf(cutList_.PieceQty[row]);
            }
            const std::int64_t now = std::min(count, inRow_ - taken_);
            runs.push_back({row, static_cast<std::int32_t>(now)});
            count -= now;
            taken_ += now;
            if (taken_ == inRow_) {
                ++next_;
                taken_ = 0;
            }
        }
    }

  private:
    const PreparedCutList& cutList_;
    const std::vector<int>& rows_;
    std::size_t next_ = 0;
    std::int64_t inRow_ = 0;
    std::int64_t taken_ = 0;
};

}  // namespace

CuttingPlan PlanFromPatterns(const PreparedCutList& cutList, const PieceTypes& types,
                             std::vector<PatternUse> uses) {
    CuttingPlan plan;
    plan.BarLength = cutList.BarLength;
    plan.CutWidth = cutList.CutWidth;
    plan.ScrapBelow = cutList.ScrapBelow;

    std::vector<RowCursor> cursors;
    for (const PieceType& type : types.Types) {
        cursors.emplace_back(cutList, type);
    }
    for (const PatternUse& use : InReportOrder(std::move(uses))) {
        const float left = LeftoverOf(use.Bar, types).value_or(0.0f);
        for (std::int64_t bar = 0; bar < use.Bars; ++bar) {
            PlannedBar planned;
            planned.FirstRun = static_cast<std::uint32_t>(plan.Runs.size());
            for (const TypeCount& entry : use.Bar) {
                cursors[static_cast<std::size_t>(entry.Type)].Take(entry.Count, plan.Runs);
            }
            planned.RunCount = static_cast<std::uint32_t>(plan.Runs.size() - planned.FirstRun);
            planned.Left = left;
            plan.Bars.push_back(planned);
        }
    }

    // A job without pieces still shows its one empty bar, as the nesting does.
    if (plan.Bars.empty()) {
        plan.Bars.push_back({0, 0, cutList.BarLength});
    }
    if (!types.FreeRows.empty()) {
        PlannedBar& first = plan.Bars.front();
        // The free pieces close the first bar's runs; the runs of the bars
        // after it move up by as many entries.
        std::vector<PieceRun> freeRuns;
        for (const int row : types.FreeRows) {
            const std::int64_t pieces = PiecesOf(cutList.PieceQty[row]);
            freeRuns.push_back({row, static_cast<std::int32_t>(pieces)});
            for (std::int64_t piece = 0; piece < pieces; ++piece) {
                first.Left = Checked(first.Left - cutList.PieceLen[row]);
            }
        }
        const auto at = plan.Runs.begin() + first.FirstRun + first.RunCount;
        plan.Runs.insert(at, freeRuns.begin(), freeRuns.end());
        first.RunCount += static_cast<std::uint32_t>(freeRuns.size());
        for (std::size_t bar = 1; bar < plan.Bars.size(); ++bar) {
            plan.Bars[bar].FirstRun += static_cast<std::uint32_t>(freeRuns.size());
        }
    }

    for (const PlannedBar& bar : plan.Bars) {
        if (plan.IsScrap(bar)) {
            plan.TotalScrap = Checked(plan.TotalScrap + bar.Left);
        } else {
            plan.TotalRemaining = Checked(plan.TotalRemaining + bar.Left);
        }
    }
    return plan;
}
