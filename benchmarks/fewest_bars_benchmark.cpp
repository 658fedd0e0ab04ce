// How close the fewest-bars planner comes to the best plan and how long it
// takes: on jobs with a known optimum (triplets filling bars exactly), jobs
// whose optimum is almost always the total length over the bar length
// (uniform lengths), a large workshop job, a million pieces, and jobs of few
// lengths whose relaxation falls a bar short, which must be proven. Each
// iteration plans all 20 jobs of a size; "misses" counts the jobs that did not
// reach their target.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>

#include "FewestBarsJobs.h"
#include "core/optimiser/FewestBars.h"
#include "core/optimiser/FirstFitPatterns.h"
#include "core/optimiser/KnapsackOnGrid.h"

namespace {

constexpr int kJobsPerSize = 20;
constexpr double kBudgetSeconds = 10.0;

void PlanJobs(benchmark::State& state, GeneratedJob (*make)(int, unsigned)) {
    const int pieces = static_cast<int>(state.range(0));
    std::vector<PreparedCutList> lists;
    std::vector<std::int64_t> targets;
    for (int job = 0; job < kJobsPerSize; ++job) {
        const GeneratedJob generated = make(pieces, 1000u + static_cast<unsigned>(job));
        lists.push_back(PreparedOf(generated));
        targets.push_back(generated.target);
    }
    int misses = 0;
    int proven = 0;
    for (auto _ : state) {
        misses = 0;
        proven = 0;
        for (std::size_t job = 0; job < lists.size(); ++job) {
            const PlanOutcome result =
                PlanFewestBars(lists[job], PlanningBudget::Seconds(kBudgetSeconds));
            const auto bars = static_cast<std::int64_t>(result.Plan->Bars.size());
            if (bars != targets[job]) {
                ++misses;
                std::fprintf(
                    stderr, "miss: %d pieces, job %zu: %lld bars, target %lld, lower bound %lld\n",
                    pieces, job, static_cast<long long>(bars), static_cast<long long>(targets[job]),
                    static_cast<long long>(result.LowerBound));
            }
            proven += result.ProvenMinimal ? 1 : 0;
        }
    }
    state.counters["misses"] = misses;
    state.counters["proven"] = proven;
}

void PlanOne(benchmark::State& state, const GeneratedJob& job) {
    const PreparedCutList list = PreparedOf(job);
    PlanOutcome result;
    for (auto _ : state) {
        result = PlanFewestBars(list, PlanningBudget::Seconds(kBudgetSeconds));
    }
    state.counters["bars"] = static_cast<double>(result.Plan->Bars.size());
    state.counters["lowerBound"] = static_cast<double>(result.LowerBound);
}

void BM_Triplets(benchmark::State& state) {
    PlanJobs(state, TripletJob);
}
void BM_Uniform(benchmark::State& state) {
    PlanJobs(state, UniformJob);
}
void BM_Workshop499Rows(benchmark::State& state) {
    PlanOne(state, WorkshopJob(20240611));
}
void BM_MillionPieces(benchmark::State& state) {
    PlanOne(state, MillionPieceJob(7));
}
// Five copies of small jobs whose optimum is a bar above their relaxation;
// the second has over six million ways of counts still to cut.
void BM_FewLengthsRelaxationShort(benchmark::State& state) {
    const std::vector<std::pair<float, std::vector<std::pair<long, long>>>> jobs{
        {24.0f, {{13, 20}, {12, 15}, {8, 20}, {5, 15}}},
        {22.0f, {{21, 5}, {19, 15}, {10, 15}, {9, 15}, {6, 15}, {4, 15}}},
    };
    const auto& [bar, lengths] = jobs[static_cast<std::size_t>(state.range(0))];
    GeneratedJob job;
    job.barLength = bar;
    for (const auto& [length, pieces] : lengths) {
        job.piecesOfLength[length] = pieces;
    }
    PlanOne(state, job);
}

// One pricing of the relaxation on a long bar of whole units: 450 piece
// types of 6000 to 12000 on a bar of 24000, each worth about its length.
void BM_GridPatterns(benchmark::State& state) {
    std::mt19937 random(24000);
    std::vector<KnapsackItem> items;
    for (std::int32_t type = 0; type < 450; ++type) {
        const auto length = static_cast<double>(6000 + random() % 6001);
        const double worth =
            length / 24000.0 * (0.9 + 0.2 * static_cast<double>(random() % 1000) / 1000.0);
        items.push_back({length, worth, 1 + static_cast<std::int64_t>(random() % 3), type});
    }
    for (auto _ : state) {
        const auto outcome = GridPatterns(items, 24000.0, 1.0, 2, 1.0, KnapsackSettings{});
        benchmark::DoNotOptimize(outcome);
    }
}

}  // namespace

BENCHMARK(BM_Triplets)
    ->Arg(60)
    ->Arg(120)
    ->Arg(249)
    ->Arg(501)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_Uniform)
    ->Arg(120)
    ->Arg(250)
    ->Arg(500)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_Workshop499Rows)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_MillionPieces)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FewLengthsRelaxationShort)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridPatterns)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
