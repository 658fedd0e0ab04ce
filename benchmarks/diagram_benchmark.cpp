// The cutting diagram of the 499-row job's plan (some 26,000 bars): how soon
// the window shows it, what one scroll step costs, and a PDF of all of it.
// Runs on Qt's offscreen platform unless QT_QPA_PLATFORM names another.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
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
        const CalculateOutcome outcome = workshop.Run();
        return std::make_shared<const DiagramJob>(
            DiagramJob{outcome.Plan, "Benchmark 499 rows", '.'});
    }();
    return job;
}

HeadingStamp FixedStamp() {
    return {"12/08/2026", "12:00:00"};
}

void Skip(benchmark::State& state, const std::shared_ptr<const DiagramJob>& job) {
    if (!job->Plan) {
        state.SkipWithError("the job was refused");
    }
}

// From a new window given the plan to its first screenful drawn.
void BM_DiagramWindowOpen(benchmark::State& state) {
    const auto job = MixedJobDiagram();
    Skip(state, job);
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
BENCHMARK(BM_DiagramWindowOpen)->Unit(benchmark::kMillisecond);

// One step of scrolling: a page further down, the screenful drawn again.
void BM_DiagramScrollPage(benchmark::State& state) {
    const auto job = MixedJobDiagram();
    Skip(state, job);
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
BENCHMARK(BM_DiagramScrollPage)->Unit(benchmark::kMillisecond);

// The whole plan as a PDF document, in memory.
void BM_DiagramPdf(benchmark::State& state) {
    const auto job = MixedJobDiagram();
    Skip(state, job);
    for (auto _ : state) {
        benchmark::DoNotOptimize(DiagramPdf(*job, FixedStamp));
    }
}
BENCHMARK(BM_DiagramPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
