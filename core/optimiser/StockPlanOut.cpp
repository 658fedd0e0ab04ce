#include "core/optimiser/StockPlanOut.h"

#include <algorithm>
#include <cmath>

#include "model/Exceptions.h"

namespace {

float Checked(float value) {
    if (std::isinf(value)) {
        throw EOverflow();
    }
    if (std::isnan(value)) {
        throw EInvalidOp();
    }
    return value;
}

bool PiecesBefore(const Pattern& a, const Pattern& b) {
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

CuttingPlan StockPlanOut(const PreparedCutList& cutList, const PieceTypes& types,
                         const StockList& stock, const StockRack& rack,
                         std::vector<StockPattern> uses) {
    CuttingPlan plan;
    plan.CutWidth = cutList.CutWidth;
    plan.ScrapBelow = cutList.ScrapBelow;
    for (std::size_t s = 0; s < stock.Lengths.size(); ++s) {
        const StockLength& line = stock.Lengths[s];
        plan.Stock.push_back({line.Length, rack.Usable[s], line.Cost, line.LengthText});
        plan.BarLength = std::max(plan.BarLength, line.Length);
    }
    std::erase_if(uses, [](const StockPattern& use) { return use.Bars <= 0 || use.Bar.empty(); });
    std::sort(uses.begin(), uses.end(), [&](const StockPattern& a, const StockPattern& b) {
        const float la = stock.Lengths[static_cast<std::size_t>(a.Stock)].Length;
        const float lb = stock.Lengths[static_cast<std::size_t>(b.Stock)].Length;
        if (la != lb) {
            return la > lb;
        }
        if (a.Stock != b.Stock) {
            return a.Stock < b.Stock;
        }
        return PiecesBefore(a.Bar, b.Bar);
    });

    std::vector<RowCursor> cursors;
    for (const PieceType& type : types.Types) {
        cursors.emplace_back(cutList, type);
    }
    for (const StockPattern& use : uses) {
        const std::size_t s = static_cast<std::size_t>(use.Stock);
        const float left = LeftIn(rack.Usable[s], use.Bar, types).value_or(0.0f);
        for (std::int64_t bar = 0; bar < use.Bars; ++bar) {
            PlannedBar planned;
            planned.FirstRun = static_cast<std::uint32_t>(plan.Runs.size());
            for (const TypeCount& entry : use.Bar) {
                cursors[static_cast<std::size_t>(entry.Type)].Take(entry.Count, plan.Runs);
            }
            planned.RunCount = static_cast<std::uint32_t>(plan.Runs.size() - planned.FirstRun);
            planned.Left = left;
            plan.Bars.push_back(planned);
            plan.BarStock.push_back(use.Stock);
        }
    }
    if (plan.Bars.empty()) {
        plan.Bars.push_back({0, 0, rack.Usable.front()});
        plan.BarStock.push_back(0);
    }
    if (!types.FreeRows.empty()) {
        PlannedBar& first = plan.Bars.front();
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
