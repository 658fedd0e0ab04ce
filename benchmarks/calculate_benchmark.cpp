// Time of one Calculate (preparation, nesting, summary) on large jobs, and
// the floor under it: formatting and appending the same report's lines
// without any nesting.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "core/Calculate.h"
#include "core/NumberFormat.h"
#include "core/ReportText.h"
#include "core/SorterDesign.h"
#include "model/Options.h"
#include "model/ReportLines.h"
#include "model/TStringGrid.h"
#include "sorter/SASG.h"

namespace {

struct TypedRow {
    std::string qty;
    std::string length;
};

// A length of whole eighths in one of the notations a workshop types:
// decimal, feet, feet and inches with a fraction, inches with a fraction.
std::string TypedLength(int eighths, int notation) {
    const int inches = eighths / 8;
    const int fraction = eighths % 8;
    char text[32];
    if (notation == 0) {
        std::snprintf(text, sizeof text, fraction ? "%d.%d" : "%d", inches, fraction * 125);
    } else if (notation == 1 && fraction == 0 && inches % 12 == 0) {
        std::snprintf(text, sizeof text, "%d'", inches / 12);
    } else if (notation <= 2 && inches >= 12) {
        std::snprintf(text, sizeof text, fraction ? "%d' %d %d/8" : "%d' %d", inches / 12,
                      inches % 12, fraction);
    } else {
        std::snprintf(text, sizeof text, fraction ? "%d %d/8" : "%d", inches, fraction);
    }
    return text;
}

// 499 rows of lengths 1 to 239 with quantities 1 to 200.
std::vector<TypedRow> MixedRows() {
    std::mt19937 random(20240611);
    std::vector<TypedRow> rows;
    for (int row = 0; row < 499; ++row) {
        const int eighths = 8 + static_cast<int>(random() % (238 * 8 + 1));
        rows.push_back({std::to_string(1 + random() % 200),
                        TypedLength(eighths, static_cast<int>(random() % 4))});
    }
    return rows;
}

// 20 rows of 50,000 pieces each.
std::vector<TypedRow> MillionPieceRows() {
    std::mt19937 random(7);
    std::vector<TypedRow> rows;
    for (int row = 0; row < 20; ++row) {
        const int eighths = 8 + static_cast<int>(random() % (238 * 8 + 1));
        rows.push_back({"50000", TypedLength(eighths, row % 4)});
    }
    return rows;
}

class Workshop {
  public:
    explicit Workshop(std::vector<TypedRow> rows)
        : rows_(std::move(rows)),
          cutList_(nullptr, 5, 500),
          barSettings_(nullptr, 2, 5),
          sorter_(nullptr) {}

    // The window's state before a Calculate: the typed cut list and bar
    // settings, and the sorter as the window lays it out.
    void Reset() {
        for (int row = 1; row < cutList_.RowCount(); ++row) {
            const bool typed = row <= static_cast<int>(rows_.size());
            cutList_.SetRows(
                row, typed ? TStringGrid::TStrings{rows_[row - 1].qty, rows_[row - 1].length}
                           : TStringGrid::TStrings{});
        }
        barSettings_.SetCols(1, {"240", "0.125", "20"});
        LayOutSorter(sorter_, cutList_);
    }

    CalculateOutcome Run() {
        Options options;
        options.AutoItemNumber = true;
        return Calculate({cutList_, barSettings_, report_}, sorter_, options, '.');
    }

    const ReportLines& Report() const { return report_; }

  private:
    std::vector<TypedRow> rows_;
    TStringGrid cutList_;
    TStringGrid barSettings_;
    ReportLines report_;
    TSortAStringGrid sorter_;
};

void RunCalculate(benchmark::State& state, std::vector<TypedRow> rows) {
    Workshop workshop(std::move(rows));
    for (auto _ : state) {
        state.PauseTiming();
        workshop.Reset();
        state.ResumeTiming();
        const CalculateOutcome outcome = workshop.Run();
        benchmark::DoNotOptimize(outcome.BarCount);
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
