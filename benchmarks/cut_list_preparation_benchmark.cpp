// Conversion, formatting and the preparation of a full cut list: the work
// every Calculate does before nesting starts.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "core/job/CutListPreparation.h"
#include "core/notation/LengthNotation.h"
#include "core/notation/NumberFormat.h"
#include "model/GridLayout.h"

namespace {

const std::array<std::string, 6> kLengths = {"25.125",     "2'   1 1/8", "10 15/16",
                                             "2' 6 3/4\"", "96",         "1e2"};

void BM_ConvertFeet(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ConvertFeet(kLengths[i++ % kLengths.size()]));
    }
}
BENCHMARK(BM_ConvertFeet);

void BM_FormatLength(benchmark::State& state) {
    float value = 0.0f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatLength(value, '.'));
        value += 17.0625f;
        if (value > 5000.0f) {
            value = 0.0f;
        }
    }
}
BENCHMARK(BM_FormatLength);

// 499 rows, every one with a length, numbered automatically.
void BM_PrepareFullCutList(benchmark::State& state) {
    TComponent owner;
    TStringGrid cutList(&owner, kCutListColumns, kCutListRows);
    TStringGrid barSettings(&owner, kBarSettingsColumns, kBarSettingsRows);
    ReportLines report;
    TSortAStringGrid sorter(&owner);
    sorter.GridToSort = &cutList;
    sorter.SortDirection = SortDirType::Descending;
    barSettings.SetCells(kValueColumn, kBarLengthRow, "20'");
    barSettings.SetCells(kValueColumn, kCutWidthRow, "0.125");
    for (auto _ : state) {
        state.PauseTiming();
        for (int row = kFirstDataRow; row < cutList.RowCount(); ++row) {
            cutList.SetCells(kQtyColumn, row, std::to_string(row % 7 + 1));
            cutList.SetCells(kLengthColumn, row,
                             std::to_string(row % 13) + "'-" + std::to_string(row % 11) + " " +
                                 std::to_string(row % 8 * 2 + 1) + "/16");
        }
        sorter.SortType = ToSortType::Numeric;
        state.ResumeTiming();
        benchmark::DoNotOptimize(PrepareCutList({cutList, barSettings, report}, sorter, true, '.'));
    }
}
BENCHMARK(BM_PrepareFullCutList)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
