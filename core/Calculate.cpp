#include "core/Calculate.h"

#include <algorithm>
#include <exception>

#include "core/job/CutListPreparation.h"
#include "core/notation/NumberFormat.h"
#include "core/optimiser/FewestBars.h"
#include "core/optimiser/StockPlanner.h"
#include "core/plan/FirstFit.h"
#include "core/report/CuttingReport.h"
#include "model/GridLayout.h"

namespace {

PlanOutcome Refuse(const std::string& text, ReportLines& report, const RefusalHandler& onRefusal) {
    if (onRefusal) {
        onRefusal(text);
    }
    report.Clear();
    PlanOutcome outcome;
    outcome.Refused = text;
    return outcome;
}

// The longest length a stock bar holds: what the first row must fit.
float LongestUsable(const StockList& stock) {
    float longest = 0.0f;
    for (std::size_t line = 0; line < stock.Lengths.size(); ++line) {
        longest = std::max(longest, stock.Usable(line));
    }
    return longest;
}

// Each item's count goes into the "* Sub Total" cell of its last row; a
// summary that failed part way shows the counts it had made before.
void WriteSubTotals(const SummaryTotals& totals, char decimalSeparator, TStringGrid& cutList) {
    for (const ItemSubtotal& subtotal : totals.Subtotals) {
        cutList.SetCells(kSubTotalColumn, subtotal.Row,
                         FormatCount(static_cast<double>(subtotal.Pieces), decimalSeparator));
    }
    if (totals.Failure) {
        std::rethrow_exception(totals.Failure);
    }
}

}  // namespace

PlanOutcome PlanBars(PreparedCutList cutList, const Options& options, const PlanningBudget& budget,
                     const StockList* stock) {
    if (stock != nullptr) {
        return PlanFromStock(cutList, *stock, budget);
    }
    if (options.FewestBars) {
        return PlanFewestBars(cutList, budget);
    }
    const std::int64_t lowerBound = QuickLowerBound(cutList);
    FirstFitOptions firstFitOptions;
    firstFitOptions.AlternateMethod = options.AlternateMethod;
    PlanOutcome outcome = PlanFirstFit(cutList, firstFitOptions);
    outcome.LowerBound = lowerBound;
    outcome.ProvenMinimal = outcome.Plan != nullptr && outcome.BarCount() <= lowerBound;
    return outcome;
}

PlanningStep DefaultPlanning(const Options& options, const StockList* stock, double seconds,
                             const std::atomic<bool>* cancelled,
                             std::function<void(const PlanProgress&)> progress) {
    return [options, stock, seconds, cancelled,
            progress = std::move(progress)](const PreparedCutList& cutList) {
        PlanningBudget budget = PlanningBudget::Seconds(seconds, cancelled);
        budget.Progress = progress;
        return PlanBars(cutList, options, budget, stock);
    };
}

PlanOutcome Calculate(CalculationModels models, TSortAStringGrid& sorter, const Options& options,
                      char decimalSeparator, const RefusalHandler& onRefusal,
                      const StockList* stock, const PlanningStep& plan) {
    ReportLinesSink sink(models.Report);
    return Calculate(models, sorter, options, decimalSeparator, onRefusal, sink, stock, plan);
}

PlanOutcome Calculate(CalculationModels models, TSortAStringGrid& sorter, const Options& options,
                      char decimalSeparator, const RefusalHandler& onRefusal, LineSink& report,
                      const StockList* stock, const PlanningStep& plan) {
    std::optional<float> barLength;
    if (stock != nullptr && !stock->Lengths.empty()) {
        barLength = LongestUsable(*stock);
    }
    PreparationResult preparation =
        PrepareCutList(models, sorter, options.AutoItemNumber, decimalSeparator, barLength);
    if (preparation.Refused) {
        return Refuse(*preparation.Refused, models.Report, onRefusal);
    }

    PlanOutcome outcome =
        plan ? plan(preparation.CutList) : DefaultPlanning(options, stock)(preparation.CutList);
    if (outcome.Cancelled) {
        PlanOutcome cancelled;
        cancelled.Cancelled = true;
        cancelled.Method = outcome.Method;
        return cancelled;
    }
    if (outcome.Refused) {
        return Refuse(*outcome.Refused, models.Report, onRefusal);
    }

    ReportOptions reportOptions;
    reportOptions.ShortReport = options.ShortReport;
    reportOptions.DecimalSeparator = decimalSeparator;
    if (const Refusal refusal = MissingItemNumber(*outcome.Plan, reportOptions)) {
        return Refuse(*refusal, models.Report, onRefusal);
    }
    // The report starts afresh with the first bar's heading, which the
    // preparation showed while the plan was made.
    models.Report.Clear();
    WriteSubTotals(WriteCuttingReport(*outcome.Plan, reportOptions, report), decimalSeparator,
                   models.CutList);
    return outcome;
}
