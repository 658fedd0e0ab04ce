#include "core/plan/FirstFit.h"

#include <algorithm>
#include <vector>

#include "core/plan/CheckedFloat.h"
#include "core/plan/FirstFitIndex.h"
#include "core/plan/UnplannableRows.h"

namespace {

class BarPacker {
  public:
    BarPacker(PreparedCutList& cutList, int usedRows, const FirstFitOptions& options)
        : cutList_(cutList), usedRows_(usedRows), options_(options), liveRows_(ChargedLengths()) {
        for (int row = 1; row <= usedRows_; ++row) {
            if (cutList_.PieceQty[row] > 0.0f) {
                ++liveRowCount_;
            } else {
                liveRows_.Remove(static_cast<std::size_t>(row - 1));
            }
        }
        plan_.BarLength = cutList_.BarLength;
        plan_.CutWidth = cutList_.CutWidth;
        plan_.ScrapBelow = cutList_.ScrapBelow;
    }

    CuttingPlan Run() {
        while (true) {
            OpenBar();
            FillBar();
            CloseBar();
            if (liveRowCount_ == 0) {
                return std::move(plan_);
            }
        }
    }

  private:
    std::vector<float> ChargedLengths() const {
        return std::vector<float>(cutList_.PieceLen.begin() + 1,
                                  cutList_.PieceLen.begin() + 1 + usedRows_);
    }

    void OpenBar() {
        PlannedBar bar;
        bar.FirstRun = static_cast<std::uint32_t>(plan_.Runs.size());
        plan_.Bars.push_back(bar);
        barLeft_ = cutList_.BarLength;
    }

    // One pass over the rows, longest first: each row gives the open bar as
    // many pieces as still fit. Rows that do not fit are skipped through the
    // index; visiting them would change nothing.
    void FillBar() {
        std::size_t position = liveRows_.FindFirstFitting(0, barLeft_);
        while (position != FirstFitIndex::kNone) {
            const int row = static_cast<int>(position) + 1;
            if (Fits(row)) {
                PlaceFromRow(row);
            }
            position = liveRows_.FindFirstFitting(position + 1, barLeft_);
        }
    }

    bool Fits(int row) const {
        return cutList_.PieceQty[row] > 0.0f && barLeft_ >= cutList_.PieceLen[row];
    }

    void PlaceFromRow(int row) {
        float& quantity = cutList_.PieceQty[row];
        const float length = cutList_.PieceLen[row];
        // The longest row of the Alternate Method gives one piece per bar so
        // its pieces spread over as many bars as they last.
        const bool onePiecePerBar = options_.AlternateMethod && row == 1;
        std::int32_t placed = 0;
        do {
            barLeft_ = StoredDifference(barLeft_, length);
            quantity = quantity - 1.0f;
            ++placed;
        } while (!onePiecePerBar && Fits(row));

        if (!(quantity > 0.0f)) {
            liveRows_.Remove(static_cast<std::size_t>(row - 1));
            --liveRowCount_;
        }
        plan_.Runs.push_back(PieceRun{row, placed});
        ++plan_.Bars.back().RunCount;
    }

    void CloseBar() {
        plan_.Bars.back().Left = barLeft_;
        if (plan_.IsScrap(plan_.Bars.back())) {
            plan_.TotalScrap = StoredSum(plan_.TotalScrap, barLeft_);
        } else {
            plan_.TotalRemaining = StoredSum(plan_.TotalRemaining, barLeft_);
        }
    }

    PreparedCutList& cutList_;
    const int usedRows_;
    const FirstFitOptions& options_;

    FirstFitIndex liveRows_;
    int liveRowCount_ = 0;
    float barLeft_ = 0.0f;
    CuttingPlan plan_;
};

}  // namespace

PlanOutcome PlanFirstFit(PreparedCutList& cutList, const FirstFitOptions& options) {
    const int usedRows = std::clamp<int>(cutList.UsedRows, 0, PreparedCutList::kCapacity);
    PlanOutcome outcome;
    outcome.Method = options.AlternateMethod ? kAlternateMethod : kFirstFitMethod;
    outcome.Refused = UnplannableRows(cutList);
    if (!outcome.Refused) {
        outcome.Plan = SharedPlan(BarPacker(cutList, usedRows, options).Run(), cutList);
    }
    return outcome;
}
