// Sorting speed of the grid sorter: the cut list's two sorts (500 rows) and a
// range near the 65535 indices the component is meant for.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "model/TComponent.h"
#include "model/TStringGrid.h"
#include "sorter/SASG.h"

namespace {

void FillGrid(TStringGrid& grid, ToSortType type, unsigned seed) {
    std::mt19937 random(seed);
    for (int row = 0; row < grid.RowCount(); ++row) {
        std::string key;
        switch (type) {
            case ToSortType::Numeric:
                key = std::to_string(random() % 100000);
                break;
            case ToSortType::Datee:
                key = std::to_string(random() % 28 + 1) + "/" + std::to_string(random() % 12 + 1) +
                      "/" + std::to_string(1990 + random() % 40);
                break;
            case ToSortType::Character:
                key = "item " + std::to_string(random() % 1000);
                break;
        }
        grid.SetRows(row, {std::to_string(row), key, "x", "y", "z"});
    }
}

void SortGrid(benchmark::State& state, ToSortType type) {
    TComponent owner;
    TStringGrid grid(&owner, 5, static_cast<int>(state.range(0)));
    TSortAStringGrid sorter(&owner);
    sorter.GridToSort = &grid;
    sorter.StartIndex = 1;
    sorter.EndIndex = grid.RowCount() - 1;
    sorter.SortIndex = 1;
    sorter.SortDirection = SortDirType::Descending;
    sorter.DateSettings.CurrentYear = 2026;
    for (auto _ : state) {
        state.PauseTiming();
        FillGrid(grid, type, 42);
        sorter.SortType = type;
        state.ResumeTiming();
        benchmark::DoNotOptimize(sorter.Sort());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SortNumeric(benchmark::State& state) {
    SortGrid(state, ToSortType::Numeric);
}
void BM_SortCharacter(benchmark::State& state) {
    SortGrid(state, ToSortType::Character);
}
void BM_SortDate(benchmark::State& state) {
    SortGrid(state, ToSortType::Datee);
}

BENCHMARK(BM_SortNumeric)->Arg(500)->Arg(65536);
BENCHMARK(BM_SortCharacter)->Arg(500)->Arg(65536);
BENCHMARK(BM_SortDate)->Arg(500)->Arg(65536);

}  // namespace

BENCHMARK_MAIN();
