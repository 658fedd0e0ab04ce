#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/CalculationModels.h"
#include "core/CuttingPlan.h"
#include "core/LineSink.h"
#include "core/Refusals.h"
#include "model/Options.h"
#include "sorter/SASG.h"

struct CalculateOutcome {
    Refusal Refused;            // the refusal text; none when the run completed
    std::int32_t BarCount = 0;  // bars used, when complete
    // The plan the report was written from, when complete, with the Length
    // and Item # texts of every row as they were at this Calculate
    // (RowLabels), so that it can be drawn after the grid has changed. Shared
    // and never changed, so a window may keep it as long as it shows it.
    std::shared_ptr<const CuttingPlan> Plan;
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
                           const RefusalHandler& onRefusal = {});

// The same, but the report of a complete run goes line by line into `report`
// as it is written, never held whole; models.Report is then left empty. A run
// that ends early leaves in models.Report what it would leave there above:
// nothing after a refusal, the first bar heading when a quantity fails to
// convert. Nothing reaches `report` before the plan is complete.
CalculateOutcome Calculate(CalculationModels models, TSortAStringGrid& sorter,
                           const Options& options, char decimalSeparator,
                           const RefusalHandler& onRefusal, LineSink& report);
