#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/batch/BatchArguments.h"
#include "core/job/JobModels.h"
#include "core/plan/PlanOutcome.h"
#include "core/report/LineSink.h"

// How one run ended, with the exit status the tool reports.
struct BatchOutcome {
    enum class Status { Calculated = 0, Refused = 1, Failed = 2 };

    // What Calculate planned, as it returned it: its refusal, or the plan of
    // a complete run; empty when an error ended the run before.
    PlanOutcome Planned;
    std::vector<std::string> Errors;  // error texts in order, without the full stop

    // Calculate completed: the plan, its lower bound and, from stock, its
    // objective are there to be shown.
    bool Calculated() const { return Planned.Plan != nullptr; }
    bool FromStock() const { return Calculated() && !Planned.Plan->Stock.empty(); }
    // An error outweighs a refusal: a refused job whose save failed has failed.
    Status ExitStatus() const;
    // The first thing that went wrong, as the window would have shown it.
    std::optional<std::string> Message() const;
};

// Opens the job file (and the stock file, when given) into the models, runs Calculate as the
// window's button does and, when asked, saves the job afterwards, whatever Calculate did, and takes
// a complete plan's bars from the stock file. The report of a complete Calculate goes line by line
// into `report` as it is written; models.Report keeps only what a run that ended early left there
// (the first bar heading when a quantity fails to convert). A step that runs
// out of memory ends with "Out of memory". Calculate plans every bar before
// it writes a line and the report then needs a line at a time, so a job too
// large for the memory runs out before any of its report reached `report`.
BatchOutcome RunBatch(const BatchArguments& arguments, JobModels& models, char decimalSeparator,
                      LineSink& report);
