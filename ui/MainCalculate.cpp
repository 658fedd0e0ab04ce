#include <QCheckBox>
#include <QLabel>
#include <optional>
#include <string>

#include "core/Calculate.h"
#include "core/job/CalculationSnapshot.h"
#include "core/report/BoundText.h"
#include "diagram/Latin1.h"
#include "ui/Main.h"
#include "ui/PlanningProgress.h"
#include "ui/ReadableLabel.h"

void TMainForm::Button1Click(QObject* /*Sender*/) {
    // What Calculate writes into the grids, refused or not, Undo takes back.
    const std::vector<std::string> cutList = CellsOf(models_->CutList);
    const std::vector<std::string> barSettings = CellsOf(models_->BarSettings);
    CalculateNow();
    RecordCalculation(cutList, barSettings);
}

void TMainForm::CalculateNow() {
    ClearReadInPartMarks();
    RunCommand([this] {
        const RefusalHandler refuse = [this](const std::string& refusal) {
            boxes_->Beep();
            boxes_->ShowMessage(refusal);
        };
        const Options options = models_->Options;
        bool stockRefused = false;
        const std::optional<::StockList> stock = StockToPlanFrom(stockRefused);
        if (stockRefused) {
            return;
        }
        const ::StockList* fromStock = stock ? &*stock : nullptr;
        const bool search = options.FewestBars || fromStock != nullptr;
        // Only a search can be cancelled; first fit does not pay for a copy
        // of the grids and of a report that may run to millions of lines.
        std::optional<CalculationSnapshot> before;
        if (search) {
            before.emplace(models_->Calculation(), models_->Sorter);
        }
        PlanningStep planning;
        if (search) {
            planning = [this, &options, fromStock](const PreparedCutList& cutList) {
                return PlanWithProgress(this, cutList, options, PlanningSeconds, PlanningMoment,
                                        fromStock);
            };
        }
        // First fit is quick: without a search it stays on the event thread,
        // as it always has.
        const PlanOutcome outcome =
            Calculate(models_->Calculation(), models_->Sorter, options, regional_.DecimalSeparator,
                      refuse, fromStock, planning);
        if (outcome.Cancelled) {
            // The window goes back to what it showed before, and the text
            // area, which never showed the change, is left alone.
            before->Restore(models_->Calculation(), models_->Sorter);
            shownReportRevision_ = models_->Report.Revision();
            return;
        }
        if (outcome.Refused) {
            return;
        }
        KeepDiagramOf(outcome);
        plannedStock_ = stock;
        stockPlan_ = stock ? outcome.Plan : nullptr;
        // The bar count shows only what was stored: a refused settings write
        // ends the command before it.
        Savelastini();
        models_->BarCount = std::to_string(outcome.BarCount());
        ShowReadableText(Label2, ToQString(models_->BarCount));
        Label2->adjustSize();
        std::string bound =
            options.FewestBars ? BarsAndBoundText(outcome.BarCount(), outcome.LowerBound) : "";
        if (stock) {
            bound = StockBoundText(outcome.StockObjective, outcome.StockLowerBound,
                                   stock->Objective == StockObjective::LeastCost);
        }
        ShowReadableText(Label4, ToQString(bound));
        Label4->adjustSize();
        FlagCellsReadInPart();
    });
}
