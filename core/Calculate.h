#pragma once

#include <functional>
#include <string>

#include "core/job/CalculationModels.h"
#include "core/plan/PlanOutcome.h"
#include "core/plan/PlanningBudget.h"
#include "core/plan/PreparedCutList.h"
#include "core/report/LineSink.h"
#include "core/stock/StockList.h"
#include "model/Options.h"
#include "sorter/SASG.h"

// Called at a refusal with its text, before the report is emptied: the window
// plays the asterisk sound and shows the message box there.
using RefusalHandler = std::function<void(const std::string& text)>;

// The step of a Calculate between the preparation and the report: plans the
// bars of the prepared cut list. It touches nothing but its input, so it may
// hand the work to another thread; the window plans a search behind its
// progress box, and says Cancelled when the user stopped it.
using PlanningStep = std::function<PlanOutcome(const PreparedCutList& cutList)>;

// Plans by the method the options ask for: from the stock on hand when one is
// given, else the fewest-bars search within the budget when Fewest Bars is
// ticked, else first fit (Alternate Method: the longest row one piece a bar).
// First fit's lower bound is QuickLowerBound, and its plan minimal when it
// uses no more bars than that.
PlanOutcome PlanBars(PreparedCutList cutList, const Options& options, const PlanningBudget& budget,
                     const StockList* stock = nullptr);

// What Calculate plans with unless told otherwise: PlanBars, the search
// allowed PlanningBudget::kDefaultSeconds from the moment it starts. A search
// tells `progress`, on its own thread, of each better plan or bound.
PlanningStep DefaultPlanning(const Options& options, const StockList* stock,
                             double seconds = PlanningBudget::kDefaultSeconds,
                             const std::atomic<bool>* cancelled = nullptr,
                             std::function<void(const PlanProgress&)> progress = {});

// The Calculate command as a function of the models: prepares the cut list
// (from stock, the longest usable stock length takes the place of Bar
// Length), plans the bars with `plan`, writes the cutting report into
// models.Report and each item's count into its "* Sub Total" cell. On a refusal the handler is
// called, the report emptied and the outcome carries the refusal, with its method "first fit"
// whatever planned; what was written into the grids stays. A cancelled planning writes nothing more
// and leaves what the preparation wrote into the grids to the caller to undo. The floating-point
// errors of the length notation propagate as exceptions (EMathError) and end the run where it
// stands; a summary that fails so still shows the counts it had made. A complete run leaves the
// settings write and the "Bar Count" label to the caller.
PlanOutcome Calculate(CalculationModels models, TSortAStringGrid& sorter, const Options& options,
                      char decimalSeparator, const RefusalHandler& onRefusal = {},
                      const StockList* stock = nullptr, const PlanningStep& plan = {});

// The same, but the report of a complete run goes line by line into `report`
// as it is written, never held whole; models.Report is then left empty. A run
// that ends early leaves in models.Report what it would leave there above:
// nothing after a refusal, the first bar heading when a quantity fails to
// convert. Nothing reaches `report` before the plan is complete.
PlanOutcome Calculate(CalculationModels models, TSortAStringGrid& sorter, const Options& options,
                      char decimalSeparator, const RefusalHandler& onRefusal, LineSink& report,
                      const StockList* stock = nullptr, const PlanningStep& plan = {});
