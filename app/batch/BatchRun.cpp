#include "app/batch/BatchRun.h"

#include <new>

#include "core/Calculate.h"
#include "core/stock/TakeFromStock.h"
#include "io/JobBinding.h"
#include "io/JobFileReader.h"
#include "io/JobFileWriter.h"
#include "io/stock/StockFile.h"
#include "model/Exceptions.h"

namespace {

// Open: the window is changed only once the file could be read.
void OpenJob(const std::string& path, JobModels& models) {
    const Job job = ReadJobFile(path);
    models.Report.Clear();
    EmptyCutList(models.CutList);
    ApplyJob(job, models.View());
}

void CalculateJob(JobModels& models, char decimalSeparator, const PlanningLimits& limits,
                  LineSink& report, BatchOutcome& outcome) {
    const CalculateOutcome result = Calculate(models.Calculation(), models.Sorter, models.Options,
                                              decimalSeparator, {}, report, limits);
    outcome.Method = result.Method;
    if (result.Refused) {
        outcome.Refused = result.Refused;
        return;
    }
    models.BarCount = std::to_string(result.BarCount);
    outcome.LowerBound = result.LowerBound;
    outcome.ProvenMinimal = result.ProvenMinimal;
    outcome.Plan = result.Plan;
    if (limits.Stock != nullptr) {
        outcome.StockObjective = result.StockObjective;
        outcome.StockLowerBound = result.StockLowerBound;
    }
}

// The stock file read and its lines understood; a line that cannot be used
// is an error that names it.
StockList OpenStock(const std::string& path, StockFile& file) {
    file = ReadStockFile(path);
    StockReading reading = ReadStockList(file);
    if (reading.Refused) {
        throw EInOutError(*reading.Refused);
    }
    return std::move(reading.Stock);
}

// Runs one step; an error ends it and is noted with its text.
template <class Step>
bool Attempt(const Step& step, JobModels& models, BatchOutcome& outcome) {
    try {
        step();
        return true;
    } catch (const std::bad_alloc&) {
        // Drop what the step had made to get the memory back.
        models.Report.Clear();
        outcome.Errors.emplace_back(kOutOfMemory);
    } catch (const std::exception& e) {
        outcome.Errors.emplace_back(e.what());
    }
    return false;
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

BatchOutcome RunBatch(const BatchArguments& arguments, JobModels& models, char decimalSeparator,
                      LineSink& report) {
    BatchOutcome outcome;
    if (!Attempt([&] { OpenJob(arguments.JobFile, models); }, models, outcome)) {
        return outcome;
    }
    StockFile stockFile;
    StockList stock;
    if (arguments.StockFile &&
        !Attempt([&] { stock = OpenStock(*arguments.StockFile, stockFile); }, models, outcome)) {
        return outcome;
    }

    models.Options.ShortReport = arguments.ShortReport;
    models.Options.AlternateMethod = arguments.AlternateMethod;
    models.Options.FewestBars = arguments.FewestBars;
    PlanningLimits limits;
    limits.Seconds = arguments.TimeLimit.value_or(PlanningLimits::kDefaultSeconds);
    if (arguments.StockFile) {
        limits.Stock = &stock;
    }
    models.Sorter.DecimalSeparator = decimalSeparator;
    Attempt([&] { CalculateJob(models, decimalSeparator, limits, report, outcome); }, models,
            outcome);
    if (arguments.TakeFromStock && outcome.Plan) {
        Attempt(
            [&] {
                WriteStockFile(*arguments.StockFile,
                               TakeFromStock(stockFile, stock, *outcome.Plan));
            },
            models, outcome);
    }

    if (arguments.SaveTo) {
        Attempt([&] { WriteJobFile(*arguments.SaveTo, TakeJob(models.View())); }, models, outcome);
    }
    return outcome;
}
