#include "core/Calculate.h"

#include <algorithm>

#include "core/job/RowLabels.h"
#include "core/optimiser/FewestBars.h"
#include "core/optimiser/StockPlanner.h"
#include "core/plan/FirstFit.h"
#include "core/report/CuttingReport.h"

namespace {

CalculateOutcome Refuse(const std::string& text, ReportLines& report,
                        const RefusalHandler& onRefusal) {
    if (onRefusal) {
        onRefusal(text);
    }
    report.Clear();
    CalculateOutcome outcome;
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

}  // namespace

CalculateOutcome Calculate(CalculationModels models, TSortAStringGrid& sorter,
                           const Options& options, char decimalSeparator,
                           const RefusalHandler& onRefusal, const PlanningLimits& limits) {
    ReportLinesSink sink(models.Report);
    return Calculate(models, sorter, options, decimalSeparator, onRefusal, sink, limits);
}

CalculateOutcome Calculate(CalculationModels models, TSortAStringGrid& sorter,
                           const Options& options, char decimalSeparator,
                           const RefusalHandler& onRefusal, LineSink& report,
                           const PlanningLimits& limits) {
    PreparationResult preparation =
        StartCalculation(models, sorter, options, decimalSeparator, onRefusal, limits.Stock);
    if (preparation.Refused) {
        CalculateOutcome outcome;
        outcome.Refused = preparation.Refused;
        return outcome;
    }
    PlannedBars planned = PlanBars(preparation.CutList, options, limits);
    return FinishCalculation(models, preparation.CutList, std::move(planned), options,
                             decimalSeparator, onRefusal, report);
}

PreparationResult StartCalculation(CalculationModels models, TSortAStringGrid& sorter,
                                   const Options& options, char decimalSeparator,
                                   const RefusalHandler& onRefusal, const StockList* stock) {
    std::optional<float> barLength;
    if (stock != nullptr && !stock->Lengths.empty()) {
        barLength = LongestUsable(*stock);
    }
    PreparationResult preparation =
        PrepareCutList(models, sorter, options.AutoItemNumber, decimalSeparator, barLength);
    if (preparation.Refused) {
        Refuse(*preparation.Refused, models.Report, onRefusal);
    }
    return preparation;
}

PlannedBars PlanBars(PreparedCutList cutList, const Options& options,
                     const PlanningLimits& limits) {
    PlannedBars planned;
    if (limits.Stock != nullptr) {
        StockPlanResult fromStock = PlanFromStock(
            cutList, *limits.Stock, PlanningBudget::Seconds(limits.Seconds, limits.Cancelled));
        planned.Method = "stock";
        planned.Refused = std::move(fromStock.Refused);
        planned.Plan = std::move(fromStock.Plan);
        planned.Plan.EndTrim = limits.Stock->EndTrim;
        planned.LowerBound = QuickLowerBound(cutList);
        planned.ProvenMinimal = fromStock.ProvenOptimal;
        planned.Cancelled = fromStock.Cancelled;
        planned.StockObjective = fromStock.Objective;
        planned.StockLowerBound = fromStock.LowerBound;
        return planned;
    }
    if (options.FewestBars) {
        PlanningBudget budget = PlanningBudget::Seconds(limits.Seconds, limits.Cancelled);
        budget.Progress = limits.Progress;
        FewestBarsResult fewest = PlanFewestBars(cutList, budget);
        planned.Method = "fewest bars";
        planned.Refused = std::move(fewest.Refused);
        planned.Plan = std::move(fewest.Plan);
        planned.LowerBound = fewest.LowerBound;
        planned.ProvenMinimal = fewest.ProvenMinimal;
        planned.Cancelled = fewest.Cancelled;
        return planned;
    }
    planned.LowerBound = QuickLowerBound(cutList);
    FirstFitOptions firstFitOptions;
    firstFitOptions.AlternateMethod = options.AlternateMethod;
    planned.Method = options.AlternateMethod ? "alternate" : "first fit";
    FirstFitResult firstFit = PlanFirstFit(cutList, firstFitOptions);
    planned.Refused = std::move(firstFit.Refused);
    planned.Plan = std::move(firstFit.Plan);
    planned.ProvenMinimal =
        static_cast<std::int64_t>(planned.Plan.Bars.size()) <= planned.LowerBound;
    return planned;
}

CalculateOutcome FinishCalculation(CalculationModels models, const PreparedCutList& cutList,
                                   PlannedBars planned, const Options& options,
                                   char decimalSeparator, const RefusalHandler& onRefusal,
                                   LineSink& report) {
    if (planned.Cancelled) {
        CalculateOutcome outcome;
        outcome.Cancelled = true;
        outcome.Method = planned.Method;
        return outcome;
    }
    if (planned.Refused) {
        return Refuse(*planned.Refused, models.Report, onRefusal);
    }
    planned.Plan.RowLabels = LabelRows(models.CutList, cutList.UsedRows);
    const auto& lengths = cutList.PieceLen;
    planned.Plan.PieceLengths.assign(lengths.begin() + 1, lengths.begin() + 1 + cutList.UsedRows);

    ReportOptions reportOptions;
    reportOptions.ShortReport = options.ShortReport;
    reportOptions.DecimalSeparator = decimalSeparator;
    if (const Refusal refusal = MissingItemNumber(planned.Plan, reportOptions)) {
        return Refuse(*refusal, models.Report, onRefusal);
    }

    CalculateOutcome outcome;
    outcome.BarCount = static_cast<std::int32_t>(planned.Plan.Bars.size());
    outcome.Method = planned.Method;
    outcome.LowerBound = planned.LowerBound;
    outcome.ProvenMinimal = planned.ProvenMinimal;
    outcome.StockObjective = planned.StockObjective;
    outcome.StockLowerBound = planned.StockLowerBound;
    outcome.Plan = std::make_shared<const CuttingPlan>(std::move(planned.Plan));
    // The report starts afresh with the first bar's heading, which the
    // preparation showed while the plan was made.
    models.Report.Clear();
    WriteCuttingReport(*outcome.Plan, models.CutList, reportOptions, report);
    return outcome;
}
