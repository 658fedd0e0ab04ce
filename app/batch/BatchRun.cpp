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
    if (result.refusal) {
        outcome.refusal = result.refusal;
        return;
    }
    models.BarCount = std::to_string(result.barCount);
    outcome.plan = result.plan;
}

}  // namespace

BatchOutcome::Status BatchOutcome::status() const {
    if (!errors.empty()) {
        return Status::Failed;
    }
    return refusal ? Status::Refused : Status::Calculated;
}

std::optional<std::string> BatchOutcome::message() const {
    if (refusal) {
        return refusal;
    }
    if (!errors.empty()) {
        return errors.front();
    }
    return std::nullopt;
}

BatchOutcome RunBatch(const BatchArguments& arguments, JobModels& models, char decimalSeparator) {
    BatchOutcome outcome;
    try {
        OpenJob(arguments.JobFile, models);
    } catch (const std::exception& e) {
        outcome.errors.emplace_back(e.what());
        return outcome;
    }

    models.Options.ShortReport = arguments.ShortReport;
    models.Options.AlternateMethod = arguments.AlternateMethod;
    models.Sorter.DecimalSeparator = decimalSeparator;
    try {
        CalculateJob(models, decimalSeparator, outcome);
    } catch (const std::exception& e) {
        outcome.errors.emplace_back(e.what());
    }

    if (arguments.SaveTo) {
        try {
            WriteJobFile(*arguments.SaveTo, TakeJob(models.View()));
        } catch (const std::exception& e) {
            outcome.errors.emplace_back(e.what());
        }
    }
    return outcome;
}
