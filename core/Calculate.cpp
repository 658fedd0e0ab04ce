#include "core/Calculate.h"

#include "core/CutListPreparation.h"
#include "core/CuttingReport.h"
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
                           const RefusalHandler& onRefusal) {
    ReportLinesSink sink(models.Report);
    return Calculate(models, sorter, options, decimalSeparator, onRefusal, sink);
}

CalculateOutcome Calculate(CalculationModels models, TSortAStringGrid& sorter,
                           const Options& options, char decimalSeparator,
                           const RefusalHandler& onRefusal, LineSink& report) {
    PreparationResult preparation =
        PrepareCutList(models, sorter, options.AutoItemNumber, decimalSeparator);
    if (preparation.refusal) {
        return Refuse(*preparation.refusal, models.Report, onRefusal);
    }

    NestingOptions nestingOptions;
    nestingOptions.AlternateMethod = options.AlternateMethod;
    NestingResult nesting = Nest(preparation.cutList, nestingOptions);
    if (nesting.refusal) {
        return Refuse(*nesting.refusal, models.Report, onRefusal);
    }
    nesting.plan.RowLabels = LabelRows(models.CutList, preparation.cutList.UsedRows);
    const auto& lengths = preparation.cutList.PieceLen;
    nesting.plan.PieceLengths.assign(lengths.begin() + 1,
                                     lengths.begin() + 1 + preparation.cutList.UsedRows);

    ReportOptions reportOptions;
    reportOptions.ShortReport = options.ShortReport;
    reportOptions.DecimalSeparator = decimalSeparator;
    if (const Refusal refusal = MissingItemNumber(nesting.plan, reportOptions)) {
        return Refuse(*refusal, models.Report, onRefusal);
    }

    CalculateOutcome outcome;
    outcome.barCount = static_cast<std::int32_t>(nesting.plan.Bars.size());
    outcome.plan = std::make_shared<const CuttingPlan>(std::move(nesting.plan));
    // The report starts afresh with the first bar's heading, which the
    // preparation showed while the plan was made.
    models.Report.Clear();
    WriteCuttingReport(*outcome.plan, models.CutList, reportOptions, report);
    return outcome;
}
