#include "core/Calculate.h"

#include "core/CutListPreparation.h"
#include "core/CuttingReport.h"
#include "core/Nesting.h"

namespace {

CalculateOutcome Refuse(const std::string& text, ReportLines& report,
                        const RefusalHandler& onRefusal) {
    if (onRefusal) {
        onRefusal(text);
    }
    report.Clear();
    CalculateOutcome outcome;
    outcome.status = CalculateOutcome::Status::Refused;
    outcome.message = text;
    return outcome;
}

}  // namespace

CalculateOutcome Calculate(CalculationModels models, TSortAStringGrid& sorter,
                           const Options& options, char decimalSeparator,
                           const RefusalHandler& onRefusal) {
    PreparationResult preparation =
        PrepareCutList(models, sorter, options.AutoItemNumber, decimalSeparator);
    if (preparation.refused) {
        return Refuse(preparation.refusal, models.Report, onRefusal);
    }

    NestingOptions nestingOptions;
    nestingOptions.ShortReport = options.ShortReport;
    nestingOptions.AlternateMethod = options.AlternateMethod;
    nestingOptions.DecimalSeparator = decimalSeparator;

    PreparedCutList& cutList = preparation.cutList;
    const NestingResult nesting = Nest(cutList, models.CutList, nestingOptions, models.Report);
    if (nesting.refused) {
        return Refuse(nesting.refusal, models.Report, onRefusal);
    }

    Summarise(nesting, cutList, models.CutList, decimalSeparator, models.Report);
    CalculateOutcome outcome;
    outcome.barCount = nesting.BarNumber;
    return outcome;
}
