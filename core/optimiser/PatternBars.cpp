#include "core/optimiser/PatternBars.h"

#include <algorithm>

#include "core/plan/CheckedFloat.h"

bool PatternStandsBefore(const Pattern& a, const Pattern& b) {
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

// Hands out the pieces of one type's rows in row order.
class PatternBarWriter::RowCursor {
  public:
    RowCursor(const PreparedCutList& cutList, const PieceType& type)
        : cutList_(&cutList), rows_(&type.Rows) {}

    void Take(std::int64_t count, std::vector<PieceRun>& runs) {
        while (count > 0 && next_ < rows_->size()) {
            const int row = (*rows_)[next_];
            if (taken_ == 0) {
                inRow_ = PiecesOf(cutList_->PieceQty[row]);
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
    const PreparedCutList* cutList_;
    const std::vector<int>* rows_;
    std::size_t next_ = 0;
    std::int64_t inRow_ = 0;
    std::int64_t taken_ = 0;
};

PatternBarWriter::PatternBarWriter(const PreparedCutList& cutList, const PieceTypes& types) {
    for (const PieceType& type : types.Types) {
        cursors_.emplace_back(cutList, type);
    }
}

PatternBarWriter::~PatternBarWriter() = default;

void PatternBarWriter::Write(const Pattern& pattern, std::int64_t bars, float left,
                             CuttingPlan& plan) {
    for (std::int64_t bar = 0; bar < bars; ++bar) {
        PlannedBar planned;
        planned.FirstRun = static_cast<std::uint32_t>(plan.Runs.size());
        for (const TypeCount& entry : pattern) {
            cursors_[static_cast<std::size_t>(entry.Type)].Take(entry.Count, plan.Runs);
        }
        planned.RunCount = static_cast<std::uint32_t>(plan.Runs.size() - planned.FirstRun);
        planned.Left = left;
        plan.Bars.push_back(planned);
    }
}

void FinishPatternPlan(const PreparedCutList& cutList, const PieceTypes& types, CuttingPlan& plan) {
    if (!types.FreeRows.empty()) {
        PlannedBar& first = plan.Bars.front();
        // The free pieces close the first bar's runs; the runs of the bars
        // after it move up by as many entries.
        std::vector<PieceRun> freeRuns;
        for (const int row : types.FreeRows) {
            const std::int64_t pieces = PiecesOf(cutList.PieceQty[row]);
            freeRuns.push_back({row, static_cast<std::int32_t>(pieces)});
            for (std::int64_t piece = 0; piece < pieces; ++piece) {
                first.Left = StoredDifference(first.Left, cutList.PieceLen[row]);
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
            plan.TotalScrap = StoredSum(plan.TotalScrap, bar.Left);
        } else {
            plan.TotalRemaining = StoredSum(plan.TotalRemaining, bar.Left);
        }
    }
}
