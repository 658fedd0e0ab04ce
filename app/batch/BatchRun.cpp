#include "app/batch/BatchRun.h"

#include <new>

#include "core/Calculate.h"
#include "core/stock/TakeFromStock.h"
#include "io/job/JobBinding.h"
#include "io/job/JobFileReader.h"
#include "io/job/JobFileWriter.h"
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

void CalculateJob(JobModels& models, char decimalSeparator, const StockList* stock, double seconds,
                  LineSink& report, BatchOutcome& outcome) {
    outcome.Planned =
        Calculate(models.Calculation(), models.Sorter, models.Options, decimalSeparator, {}, report,
                  stock, DefaultPlanning(models.Options, stock, seconds));
    if (outcome.Calculated()) {
        models.BarCount = std::to_string(outcome.Planned.BarCount());
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
    return Planned.Refused ? Status::Refused : Status::Calculated;
}

std::optional<std::string> BatchOutcome::Message() const {
    if (Planned.Refused) {
        return Planned.Refused;
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
    const double seconds = arguments.TimeLimit.value_or(PlanningBudget::kDefaultSeconds);
    const StockList* fromStock = arguments.StockFile ? &stock : nullptr;
    models.Sorter.DecimalSeparator = decimalSeparator;
    Attempt([&] { CalculateJob(models, decimalSeparator, fromStock, seconds, report, outcome); },
            models, outcome);
    if (arguments.TakeFromStock && outcome.Calculated()) {
        Attempt(
            [&] {
                WriteStockFile(*arguments.StockFile,
                               TakeFromStock(stockFile, stock, *outcome.Planned.Plan));
            },
            models, outcome);
    }

    if (arguments.SaveTo) {
        Attempt([&] { WriteJobFile(*arguments.SaveTo, TakeJob(models.View())); }, models, outcome);
    }
    return outcome;
}
