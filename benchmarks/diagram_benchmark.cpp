// The cutting diagram of the 499-row job's plan (some 26,000 bars): how soon
// the window shows it, what one scroll step costs, and a PDF of all of it.
// Argument 0 draws the plan as it is, its like neighbours together; 1 draws
// it with no two neighbours alike, a strip for every bar.
// Runs on Qt's offscreen platform unless QT_QPA_PLATFORM names another.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <cstddef>
#include <cstdlib>
#include <memory>

#include "BenchmarkJobs.h"
#include "diagram/DiagramExport.h"
#include "ui/DiagramView.h"
#include "ui/DiagramWindow.h"
#include "ui/ReportPrinting.h"

namespace {

using namespace benchmark_jobs;

std::shared_ptr<const DiagramJob> MixedJobDiagram() {
    static const std::shared_ptr<const DiagramJob> job = [] {
        Workshop workshop(MixedRows());
        workshop.Reset();
        const PlanOutcome outcome = workshop.Run();
        return std::make_shared<const DiagramJob>(
            DiagramJob{outcome.Plan, "Benchmark 499 rows", '.'});
    }();
    return job;
}

// The same plan with no two neighbouring bars alike, so that none are drawn
// together: each bar keeps its pieces and the next row's first piece is
// moved to it by turns. Every one of its strips is drawn.
std::shared_ptr<const DiagramJob> UngroupedDiagram() {
    static const std::shared_ptr<const DiagramJob> job = [] {
        const std::shared_ptr<const DiagramJob> mixed = MixedJobDiagram();
        if (!mixed->Plan) {
            return mixed;
        }
        auto plan = std::make_shared<CuttingPlan>(*mixed->Plan);
        for (std::size_t bar = 0; bar < plan->Bars.size(); ++bar) {
            // Leftovers differ by turns: neighbours never match.
            plan->Bars[bar].Left += static_cast<float>(bar % 2) * 0.125f;
        }
        return std::make_shared<const DiagramJob>(DiagramJob{plan, mixed->Title, '.'});
    }();
    return job;
}

std::shared_ptr<const DiagramJob> JobOf(const benchmark::State& state) {
    return state.range(0) == 0 ? MixedJobDiagram() : UngroupedDiagram();
}

HeadingStamp FixedStamp() {
    return {"12/08/2026", "12:00:00"};
}

bool Refused(benchmark::State& state, const std::shared_ptr<const DiagramJob>& job) {
    if (!job->Plan) {
        state.SkipWithError("the job was refused");
        return true;
    }
    return false;
}

// From a new window given the plan to its first screenful drawn.
void BM_DiagramWindowOpen(benchmark::State& state) {
    const auto job = JobOf(state);
    if (Refused(state, job)) {
        return;
    }
    ReportPrinting printing;
    for (auto _ : state) {
        DiagramWindow window(printing, [](const std::string&) {});
        window.resize(1000, 700);
        window.SetJob(job);
        window.show();
        benchmark::DoNotOptimize(window.View()->viewport()->grab());
    }
    state.counters["bars"] = static_cast<double>(job->Plan->Bars.size());
}
BENCHMARK(BM_DiagramWindowOpen)->Unit(benchmark::kMillisecond)->Arg(0)->Arg(1);

// One step of scrolling: a page further down, the screenful drawn again.
void BM_DiagramScrollPage(benchmark::State& state) {
    const auto job = JobOf(state);
    if (Refused(state, job)) {
        return;
    }
    ReportPrinting printing;
    DiagramWindow window(printing, [](const std::string&) {});
    window.resize(1000, 700);
    window.SetJob(job);
    window.show();
    QScrollBar* scroll = window.View()->verticalScrollBar();
    for (auto _ : state) {
        const int next = scroll->value() + scroll->pageStep();
        scroll->setValue(next > scroll->maximum() ? 0 : next);
        benchmark::DoNotOptimize(window.View()->viewport()->grab());
    }
    state.counters["strips"] = static_cast<double>(window.View()->Groups().size());
}
BENCHMARK(BM_DiagramScrollPage)->Unit(benchmark::kMillisecond)->Arg(0)->Arg(1);

// The whole plan as a PDF document, in memory.
void BM_DiagramPdf(benchmark::State& state) {
    const auto job = JobOf(state);
    if (Refused(state, job)) {
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(DiagramPdf(*job, FixedStamp));
    }
}
BENCHMARK(BM_DiagramPdf)->Unit(benchmark::kMillisecond)->Iterations(2)->Arg(0)->Arg(1);

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
