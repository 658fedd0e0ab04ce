#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/job/CalculationModels.h"
#include "core/job/CutListPreparation.h"
#include "core/plan/CuttingPlan.h"
#include "core/plan/Refusals.h"
#include "core/report/LineSink.h"
#include "core/stock/StockList.h"
#include "model/Options.h"
#include "sorter/SASG.h"

// How long the fewest-bars search may take, and how the user stops it; and
// the stock on hand, when the bars are to be cut from it instead of from
// bars of Bar Length.
struct PlanningLimits {
    static constexpr double kDefaultSeconds = 10.0;
    double Seconds = kDefaultSeconds;
    const std::atomic<bool>* Cancelled = nullptr;
    const StockList* Stock = nullptr;
    // Told the best plan's bars and the bound as Fewest Bars improves them.
    std::function<void(std::int64_t bestBars, std::int64_t bound)> Progress;
};

// The bars planned for a prepared job, by the method the options ask for.
struct PlannedBars {
    Refusal Refused;
    CuttingPlan Plan;
    const char* Method = "first fit";  // "first fit", "alternate", "fewest bars" or "stock"
    std::int64_t LowerBound = 0;       // no plan can use fewer bars
    bool ProvenMinimal = false;        // the plan uses that many bars
    bool Cancelled = false;            // the user stopped the search; no plan
    // From stock: the plan's total cost or stock length, and the least any
    // plan from that stock could reach.
    double StockObjective = 0.0;
    double StockLowerBound = 0.0;
};

struct CalculateOutcome {
    Refusal Refused;            // the refusal text; none when the run completed
    std::int32_t BarCount = 0;  // bars used, when complete
    // The plan the report was written from, when complete, with the Length
    // and Item # texts of every row as they were at this Calculate
    // (RowLabels), so that it can be drawn after the grid has changed. Shared
    // and never changed, so a window may keep it as long as it shows it.
    std::shared_ptr<const CuttingPlan> Plan;
    const char* Method = "first fit";
    std::int64_t LowerBound = 0;
    bool ProvenMinimal = false;
    double StockObjective = 0.0;
    double StockLowerBound = 0.0;
    // The user stopped the search: nothing is planned or written, and what the
    // preparation wrote into the grids is the caller's to undo.
    bool Cancelled = false;
};

// Called at a refusal with its text, before the report is emptied: the window
// plays the asterisk sound and shows the message box there.
using RefusalHandler = std::function<void(const std::string& text)>;

// The Calculate command as a function of the models: prepares the cut list,
// plans the bars and writes the cutting report into models.Report. On a
// refusal the handler is called, the report emptied and the outcome carries
// the refusal; what was written into the grids stays. The floating-point
// errors of the length notation propagate as exceptions (EMathError) and end
// the run where it stands. A complete run leaves the settings write and the
// "Bar Count" label to the caller.
CalculateOutcome Calculate(CalculationModels models, TSortAStringGrid& sorter,
                           const Options& options, char decimalSeparator,
                           const RefusalHandler& onRefusal = {}, const PlanningLimits& limits = {});

// The same, but the report of a complete run goes line by line into `report`
// as it is written, never held whole; models.Report is then left empty. A run
// that ends early leaves in models.Report what it would leave there above:
// nothing after a refusal, the first bar heading when a quantity fails to
// convert. Nothing reaches `report` before the plan is complete.
CalculateOutcome Calculate(CalculationModels models, TSortAStringGrid& sorter,
                           const Options& options, char decimalSeparator,
                           const RefusalHandler& onRefusal, LineSink& report,
                           const PlanningLimits& limits = {});

// The three stages of the command, for a caller that plans on another thread:
// the preparation (the grids; a refusal is announced and empties the report),
// the planning (touches nothing but its input, so it may run on any thread)
// and the report (the grids' texts and the report).
PreparationResult StartCalculation(CalculationModels models, TSortAStringGrid& sorter,
                                   const Options& options, char decimalSeparator,
                                   const RefusalHandler& onRefusal,
                                   const StockList* stock = nullptr);
PlannedBars PlanBars(PreparedCutList cutList, const Options& options, const PlanningLimits& limits);
CalculateOutcome FinishCalculation(CalculationModels models, const PreparedCutList& cutList,
                                   PlannedBars planned, const Options& options,
                                   char decimalSeparator, const RefusalHandler& onRefusal,
                                   LineSink& report);
