#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/CalculationModels.h"
#include "model/Options.h"
#include "sorter/SASG.h"

struct CalculateOutcome {
    enum class Status { Complete, Refused };
    Status status = Status::Complete;
    std::string message;        // the refusal text, empty when complete
    std::int32_t barCount = 0;  // bars used, when complete
};

// Called at a refusal with its text, before the report is emptied: the window
// plays the asterisk sound and shows the message box there.
using RefusalHandler = std::function<void(const std::string& text)>;

// The Calculate command as a function of the models: prepares the cut list,
// nests the pieces into bars and writes the cutting report. On a refusal the
// handler is called, the report emptied and the outcome is Refused; what was
// written into the grids stays. The floating-point errors of the length
// notation propagate as exceptions (EMathError) and end the run where it
// stands. A complete run leaves the settings write and the "Bar Count" label
// to the caller.
CalculateOutcome Calculate(CalculationModels models, TSortAStringGrid& sorter,
                           const Options& options, char decimalSeparator,
                           const RefusalHandler& onRefusal = {});
