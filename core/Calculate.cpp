#include "core/Calculate.h"

#include "core/CuttingReport.h"
#include "core/FewestBars.h"
#include "core/Nesting.h"
#include "core/RowLabels.h"

namespace {

CalculateOutcome Refuse(const std::string& text, ReportLines& report,
                        const RefusalHandler& onRefusal) {
    if (onRefusal) {
        onRefusal(text);
    }
    report.Clear();
    CalculateOutcome outcome;
    outcome.refusal = text;
    return outcome;
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
        StartCalculation(models, sorter, options, decimalSeparator, onRefusal);
    if (preparation.refusal) {
        CalculateOutcome outcome;
        outcome.refusal = preparation.refusal;
        return outcome;
    }
    PlannedBars planned = PlanBars(preparation.cutList, options, limits);
    return FinishCalculation(models, preparation.cutList, std::move(planned), options,
                             decimalSeparator, onRefusal, report);
}

PreparationResult StartCalculation(CalculationModels models, TSortAStringGrid& sorter,
                                   const Options& options, char decimalSeparator,
                                   const RefusalHandler& onRefusal) {
    PreparationResult preparation =
        PrepareCutList(models, sorter, options.AutoItemNumber, decimalSeparator);
    if (preparation.refusal) {
        Refuse(*preparation.refusal, models.Report, onRefusal);
    }
    return preparation;
}

PlannedBars PlanBars(PreparedCutList cutList, const Options& options,
                     const PlanningLimits& limits) {
    PlannedBars planned;
    if (options.FewestBars) {
        FewestBarsResult fewest =
            PlanFewestBars(cutList, PlanningBudget::Seconds(limits.Seconds, limits.Cancelled));
        planned.method = "fewest bars";
        planned.refusal = std::move(fewest.Refused);
        planned.plan = std::move(fewest.Plan);
        planned.lowerBound = fewest.LowerBound;
        planned.provenMinimal = fewest.ProvenMinimal;
        planned.cancelled = fewest.Cancelled;
        return planned;
    }
    planned.lowerBound = QuickLowerBound(cutList);
    NestingOptions nestingOptions;
    nestingOptions.AlternateMethod = options.AlternateMethod;
    planned.method = options.AlternateMethod ? "alternate" : "first fit";
    NestingResult nesting = Nest(cutList, nestingOptions);
    planned.refusal = std::move(nesting.refusal);
    planned.plan = std::move(nesting.plan);
    planned.provenMinimal =
        static_cast<std::int64_t>(planned.plan.Bars.size()) <= planned.lowerBound;
    return planned;
}

CalculateOutcome FinishCalculation(CalculationModels models, const PreparedCutList& cutList,
                                   PlannedBars planned, const Options& options,
                                   char decimalSeparator, const RefusalHandler& onRefusal,
                                   LineSink& report) {
    if (planned.cancelled) {
        CalculateOutcome outcome;
        outcome.cancelled = true;
        outcome.method = planned.method;
        return outcome;
    }
    if (planned.refusal) {
        return Refuse(*planned.refusal, models.Report, onRefusal);
    }
    planned.plan.RowLabels = LabelRows(models.CutList, cutList.UsedRows);
    const auto& lengths = cutList.PieceLen;
    planned.plan.PieceLengths.assign(lengths.begin() + 1, lengths.begin() + 1 + cutList.UsedRows);

    ReportOptions reportOptions;
    reportOptions.ShortReport = options.ShortReport;
    reportOptions.DecimalSeparator = decimalSeparator;
    if (const Refusal refusal = MissingItemNumber(planned.plan, reportOptions)) {
        return Refuse(*refusal, models.Report, onRefusal);
    }

    CalculateOutcome outcome;
    outcome.barCount = static_cast<std::int32_t>(planned.plan.Bars.size());
    outcome.method = planned.method;
    outcome.lowerBound = planned.lowerBound;
    outcome.provenMinimal = planned.provenMinimal;
    outcome.plan = std::make_shared<const CuttingPlan>(std::move(planned.plan));
    // The report starts afresh with the first bar's heading, which the
    // preparation showed while the plan was made.
    models.Report.Clear();
    WriteCuttingReport(*outcome.plan, models.CutList, reportOptions, report);
    return outcome;
}
