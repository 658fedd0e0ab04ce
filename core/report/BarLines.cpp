#include "core/report/BarLines.h"

#include <string>

#include "core/report/LeftoverTexts.h"
#include "core/report/ReportText.h"

namespace {

std::string CutLine(const PreparedRow& label) {
    return "Item # {" + label.Item + "}   " + label.Length;
}

// Consecutive pieces of one bar with the same item text share one line that
// counts them and shows the length text of the last; only neighbours merge,
// and every bar starts afresh.
void WriteShortCutLines(const CuttingPlan& plan, const PlannedBar& bar, LineSink& out) {
    const PreparedRow* pending = nullptr;
    std::int64_t likeCount = 0;
    for (const PieceRun& run : plan.RunsOf(bar)) {
        const PreparedRow& label = plan.RowOf(run);
        if (pending != nullptr && label.Item == pending->Item) {
            likeCount += run.Count;
        } else {
            if (pending != nullptr) {
                out.Add("Qty " + std::to_string(likeCount) + " " + CutLine(*pending));
            }
            likeCount = run.Count;
        }
        pending = &label;
    }
    if (pending != nullptr) {
        out.Add("Qty " + std::to_string(likeCount) + " " + CutLine(*pending));
    }
}

void WritePlainCutLines(const CuttingPlan& plan, const PlannedBar& bar, LineSink& out) {
    std::string line;
    for (const PieceRun& run : plan.RunsOf(bar)) {
        line = CutLine(plan.RowOf(run));
        for (std::int32_t piece = 0; piece < run.Count; ++piece) {
            out.Add(line);
        }
    }
}

}  // namespace

Refusal MissingItemNumber(const CuttingPlan& plan, const ReportOptions& options) {
    if (options.ShortReport) {
        for (const PieceRun& run : plan.Runs) {
            if (plan.RowOf(run).Item.empty()) {
                return kMissingItemNumber;
            }
        }
    }
    return std::nullopt;
}

void WriteBars(const CuttingPlan& plan, const ReportOptions& options, LineSink& out) {
    LeftoverTexts leftovers(options.DecimalSeparator);
    std::string line;
    for (std::size_t index = 0; index < plan.Bars.size(); ++index) {
        const PlannedBar& bar = plan.Bars[index];
        if (index > 0) {
            out.Add(kBlankLine);
        }
        line = BarHeading(static_cast<int>(index) + 1, options.DecimalSeparator);
        if (!plan.BarStock.empty()) {
            // From stock, each bar says which length to take from the rack.
            line += " from " + plan.StockOf(index).LengthText;
        }
        out.Add(line);
        if (index > 0) {
            out.Add(kBlankLine);
        }
        if (options.ShortReport) {
            WriteShortCutLines(plan, bar, out);
        } else {
            WritePlainCutLines(plan, bar, out);
        }
        line = plan.IsScrap(bar) ? kScrapPrefix : kRemainingPrefix;
        line += leftovers.Of(bar.Left);
        out.Add(line);
    }
    out.Add(kBlankLine);
    out.Add(kBlankLine);
}
