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
    outcome.Refused = text;
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
    if (preparation.Refused) {
        return Refuse(*preparation.Refused, models.Report, onRefusal);
    }

    NestingOptions nestingOptions;
    nestingOptions.AlternateMethod = options.AlternateMethod;
    NestingResult nesting = Nest(preparation.CutList, nestingOptions);
    if (nesting.Refused) {
        return Refuse(*nesting.Refused, models.Report, onRefusal);
    }
    nesting.Plan.RowLabels = LabelRows(models.CutList, preparation.CutList.UsedRows);
    const auto& lengths = preparation.CutList.PieceLen;
    nesting.Plan.PieceLengths.assign(lengths.begin() + 1,
                                     lengths.begin() + 1 + preparation.CutList.UsedRows);

    ReportOptions reportOptions;
    reportOptions.ShortReport = options.ShortReport;
    reportOptions.DecimalSeparator = decimalSeparator;
    if (const Refusal refusal = MissingItemNumber(nesting.Plan, reportOptions)) {
        return Refuse(*refusal, models.Report, onRefusal);
    }

    CalculateOutcome outcome;
    outcome.BarCount = static_cast<std::int32_t>(nesting.Plan.Bars.size());
    outcome.Plan = std::make_shared<const CuttingPlan>(std::move(nesting.Plan));
    // The report starts afresh with the first bar's heading, which the
    // preparation showed while the plan was made.
    models.Report.Clear();
    WriteCuttingReport(*outcome.Plan, models.CutList, reportOptions, report);
    return outcome;
}
