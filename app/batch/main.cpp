// velmar-batch: calculates a job file without the window.
#include <csignal>
#include <cstdio>
#include <iostream>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "app/batch/BatchArguments.h"
#include "app/batch/BatchDiagram.h"
#include "app/batch/BatchOutput.h"
#include "app/batch/BatchRun.h"
#include "app/batch/LocaleSeparator.h"
#include "app/batch/ReportStream.h"
#include "core/report/BoundText.h"
#include "io/files/PendingTemporaries.h"
#include "model/Exceptions.h"

namespace {

constexpr int kUsageExit = 64;
constexpr const char* kUnwritableOutput = "Unable to write to standard output";

int Run(const BatchArguments& arguments) {
    const char decimalSeparator = LocaleDecimalSeparator();
    // Large: the grids hold 2500 cells and the sorter.
    const auto models = std::make_unique<JobModels>();
    models->WriteHeadings();  // as the window has them once it is shown
    if (arguments.Json) {
        BeginReportJson(std::cout);
    }
    ReportStream report(std::cout,
                        arguments.Json ? ReportStream::Format::Json : ReportStream::Format::Text);
    BatchOutcome outcome = RunBatch(arguments, *models, decimalSeparator, report);
    // What a run that ended before its report was written left in the models.
    for (const std::string& line : models->Report.All()) {
        report.Add(line);
    }
    report.Flush();
    if (arguments.DiagramTo && outcome.Calculated()) {
        try {
            WriteBatchDiagram(*arguments.DiagramTo,
                              DiagramJob{outcome.Planned.Plan, models->Title, decimalSeparator});
        } catch (const std::bad_alloc&) {
            outcome.Errors.emplace_back(kOutOfMemory);
        } catch (const std::exception& e) {
            outcome.Errors.emplace_back(e.what());
        }
    }
    if (arguments.Json) {
        EndReportJson(std::cout, *models, outcome);
    }
    std::cout.flush();
    // A report that did not reach its reader (a full disk, a closed file) is
    // a failed run, not a calculated one.
    if (!std::cout) {
        outcome.Errors.emplace_back(kUnwritableOutput);
    }
    const PlanOutcome& planned = outcome.Planned;
    if (arguments.FewestBars && !arguments.Json && outcome.Calculated()) {
        std::cerr << BarsAndBoundText(planned.BarCount(), planned.LowerBound) << '\n';
    }
    if (arguments.StockFile && !arguments.Json && outcome.FromStock()) {
        std::cerr << StockBoundText(planned.StockObjective, planned.StockLowerBound,
                                    planned.Plan->Stock.front().Cost.has_value())
                  << '\n';
    }
    if (planned.Refused) {
        std::cerr << *planned.Refused << '\n';
    }
    for (const std::string& error : outcome.Errors) {
        std::cerr << WithFullStop(error) << '\n';
    }
    return static_cast<int>(outcome.ExitStatus());
}

}  // namespace

int main(int argc, char** argv) {
    // A reader that went away (`| head`) is a failed write like any other:
    // reported, with the job still saved, instead of ending the tool unseen.
    std::signal(SIGPIPE, SIG_IGN);
    // Interrupted during --save or --diagram, the tool leaves no temporary
    // file behind.
    RemovePendingTemporariesOnInterrupt();
    try {
        const ParsedArguments parsed =
            ParseBatchArguments(std::vector<std::string>(argv + 1, argv + argc));
        switch (parsed.Outcome) {
            case ParsedArguments::Kind::Help:
                std::cout << BatchUsage();
                return 0;
            case ParsedArguments::Kind::Bad:
                std::cerr << "velmar-batch: " << parsed.Problem << "\n\n" << BatchUsage();
                return kUsageExit;
            case ParsedArguments::Kind::Run:
                return Run(parsed.Arguments);
        }
    } catch (const std::bad_alloc&) {
        std::cerr << WithFullStop(kOutOfMemory) << '\n';
    } catch (const std::exception& e) {
        std::cerr << WithFullStop(e.what()) << '\n';
    }
    return 2;
}
