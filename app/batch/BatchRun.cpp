#include "app/batch/BatchRun.h"

#include "core/Calculate.h"
#include "io/JobBinding.h"
#include "io/JobFileReader.h"
#include "io/JobFileWriter.h"
#include "model/Exceptions.h"

namespace {

// Open: the window is changed only once the file could be read.
void OpenJob(const std::string& path, JobModels& models) {
    const Job job = ReadJobFile(path);
    models.Report.Clear();
    EmptyCutList(models.CutList);
    ApplyJob(job, models.View());
}

void CalculateJob(JobModels& models, char decimalSeparator, BatchOutcome& outcome) {
    const CalculateOutcome result =
        Calculate(models.Calculation(), models.Sorter, models.Options, decimalSeparator);
    if (result.Refused) {
        outcome.Refused = result.Refused;
        return;
    }
    models.BarCount = std::to_string(result.BarCount);
    outcome.Plan = result.Plan;
}

}  // namespace

BatchOutcome::Status BatchOutcome::ExitStatus() const {
    if (!Errors.empty()) {
        return Status::Failed;
    }
    return Refused ? Status::Refused : Status::Calculated;
}

std::optional<std::string> BatchOutcome::Message() const {
    if (Refused) {
        return Refused;
    }
    if (!Errors.empty()) {
        return Errors.front();
    }
    return std::nullopt;
}

BatchOutcome RunBatch(const BatchArguments& arguments, JobModels& models, char decimalSeparator) {
    BatchOutcome outcome;
    try {
        OpenJob(arguments.JobFile, models);
    } catch (const std::exception& e) {
        outcome.Errors.emplace_back(e.what());
        return outcome;
    }

    models.Options.ShortReport = arguments.ShortReport;
    models.Options.AlternateMethod = arguments.AlternateMethod;
    models.Sorter.DecimalSeparator = decimalSeparator;
    try {
        CalculateJob(models, decimalSeparator, outcome);
    } catch (const std::exception& e) {
        outcome.Errors.emplace_back(e.what());
    }

    if (arguments.SaveTo) {
        try {
            WriteJobFile(*arguments.SaveTo, TakeJob(models.View()));
        } catch (const std::exception& e) {
            outcome.Errors.emplace_back(e.what());
        }
    }
    return outcome;
}
