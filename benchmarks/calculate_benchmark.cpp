// Time of one Calculate (preparation, nesting, summary) on large jobs, and
// the floor under it: formatting and appending the same report's lines
// without any nesting.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "BenchmarkJobs.h"
#include "core/Calculate.h"
#include "core/notation/NumberFormat.h"
#include "core/report/ReportText.h"
#include "model/ReportLines.h"

namespace {

using namespace benchmark_jobs;

void RunCalculate(benchmark::State& state, std::vector<TypedRow> rows) {
    Workshop workshop(std::move(rows));
    for (auto _ : state) {
        state.PauseTiming();
        workshop.Reset();
        state.ResumeTiming();
        const PlanOutcome outcome = workshop.Run();
        benchmark::DoNotOptimize(outcome.BarCount());
        if (outcome.Refused) {
            state.SkipWithError(outcome.Refused->c_str());
            return;
        }
    }
    state.counters["lines"] = workshop.Report().Count();
}

// How one report line is made again from its parts.
struct LineRecipe {
    enum class Kind { Heading, Cut, Scrap, Remaining, Copy } kind;
    std::string first;
    std::string second;
    float value = 0.0f;
    int number = 0;
};

std::vector<LineRecipe> RecipesOf(const ReportLines& report) {
    const std::string scrap = "        Scrap ";
    const std::string remaining = "       Remaining ";
    std::vector<LineRecipe> recipes;
    int bar = 0;
    for (const std::string& line : report.All()) {
        if (line.rfind("Bar ", 0) == 0 && line.find(" ____") != std::string::npos) {
            recipes.push_back({LineRecipe::Kind::Heading, "", "", 0.0f, ++bar});
        } else if (line.rfind("Item # {", 0) == 0) {
            const std::size_t close = line.find("}   ");
            recipes.push_back({LineRecipe::Kind::Cut, line.substr(8, close - 8),
                               line.substr(close + 4), 0.0f, 0});
        } else if (line.rfind(scrap, 0) == 0) {
            recipes.push_back(
                {LineRecipe::Kind::Scrap, "", "", std::stof(line.substr(scrap.size())), 0});
        } else if (line.rfind(remaining, 0) == 0) {
            recipes.push_back(
                {LineRecipe::Kind::Remaining, "", "", std::stof(line.substr(remaining.size())), 0});
        } else {
            recipes.push_back({LineRecipe::Kind::Copy, line, "", 0.0f, 0});
        }
    }
    return recipes;
}

void RunFloor(benchmark::State& state, std::vector<TypedRow> rows) {
    Workshop workshop(std::move(rows));
    workshop.Reset();
    if (workshop.Run().Refused) {
        state.SkipWithError("job refused");
        return;
    }
    const std::vector<LineRecipe> recipes = RecipesOf(workshop.Report());
    ReportLines report;
    for (auto _ : state) {
        report.Clear();
        for (const LineRecipe& recipe : recipes) {
            switch (recipe.kind) {
                case LineRecipe::Kind::Heading:
                    report.Add(BarHeading(recipe.number, '.'));
                    break;
                case LineRecipe::Kind::Cut:
                    report.Add("Item # {" + recipe.first + "}   " + recipe.second);
                    break;
                case LineRecipe::Kind::Scrap:
                    report.Add("        Scrap " + FormatLength(recipe.value, '.'));
                    break;
                case LineRecipe::Kind::Remaining:
                    report.Add("       Remaining " + FormatLength(recipe.value, '.'));
                    break;
                case LineRecipe::Kind::Copy:
                    report.Add(recipe.first);
                    break;
            }
        }
        benchmark::DoNotOptimize(report.Count());
    }
    state.counters["lines"] = report.Count();
}

void BM_Calculate_499MixedRows(benchmark::State& state) {
    RunCalculate(state, MixedRows());
}
void BM_Floor_499MixedRows(benchmark::State& state) {
    RunFloor(state, MixedRows());
}
void BM_Calculate_MillionPieces(benchmark::State& state) {
    RunCalculate(state, MillionPieceRows());
}
void BM_Floor_MillionPieces(benchmark::State& state) {
    RunFloor(state, MillionPieceRows());
}

}  // namespace

BENCHMARK(BM_Calculate_499MixedRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Floor_499MixedRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Calculate_MillionPieces)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Floor_MillionPieces)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
