#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <vector>

#include "model/Options.h"
#include "tests/core/CalculationFixture.h"

namespace {

using Window = CalculationFixture;

// Pieces of 500, 300 and 200 that fill bars of 1000 in threes, typed so that
// first fit, longest first, pairs the 500s and leaves the short pieces over.
void TypeTripletJob(Window& window) {
    window.cutList.SetRows(1, {"6", "500"});
    window.cutList.SetRows(2, {"6", "300"});
    window.cutList.SetRows(3, {"6", "200"});
    window.barSettings.SetCols(1, {"1000", "0", "0"});
}

PlanOutcome CalculateIn(Window& window, const Options& options,
                        const std::atomic<bool>* cancelled = nullptr) {
    return window.Calculate(
        options, DefaultPlanning(options, nullptr, PlanningBudget::kDefaultSeconds, cancelled));
}

Options Ticked(bool fewestBars, bool alternate) {
    Options options;
    options.AutoItemNumber = true;
    options.FewestBars = fewestBars;
    options.AlternateMethod = alternate;
    return options;
}

TEST(CalculateFewestBars, MethodBoundAndBarsOfEachPlanner) {
    const struct {
        bool fewestBars;
        bool alternate;
        const char* method;
        int bars;
        bool proven;
    } cases[] = {
        {false, false, "first fit", 7, false},
        {false, true, "alternate", 6, true},
        {true, false, "fewest bars", 6, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.method);
        Window window;
        TypeTripletJob(window);
        const PlanOutcome outcome = CalculateIn(window, Ticked(c.fewestBars, c.alternate));
        ASSERT_FALSE(outcome.Refused);
        EXPECT_STREQ(outcome.Method, c.method);
        EXPECT_EQ(outcome.BarCount(), c.bars);
        EXPECT_EQ(outcome.LowerBound, 6);
        EXPECT_EQ(outcome.ProvenMinimal, c.proven);
        EXPECT_EQ(window.report.All()[0], "Bar 1 ________________");
    }
}

TEST(CalculateFewestBars, FewerBarsThanFirstFitInTheSameReport) {
    // Five lengths that make exact triplets of 1000 in more than one way.
    const auto typeJob = [](Window& window) {
        const char* lengths[] = {"400", "350", "250", "260", "340"};
        for (int row = 1; row <= 5; ++row) {
            window.cutList.SetRows(row, {"3", lengths[row - 1]});
        }
        window.barSettings.SetCols(1, {"1000", "0", "0"});
    };
    Window firstFit;
    typeJob(firstFit);
    const PlanOutcome byFirstFit = CalculateIn(firstFit, Ticked(false, false));
    ASSERT_FALSE(byFirstFit.Refused);

    Window fewest;
    typeJob(fewest);
    const PlanOutcome byFewest = CalculateIn(fewest, Ticked(true, false));
    ASSERT_FALSE(byFewest.Refused);
    EXPECT_LT(byFewest.BarCount(), byFirstFit.BarCount());
    EXPECT_TRUE(byFewest.ProvenMinimal);
    const std::vector<std::string>& lines = fewest.report.All();
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "Total Bars for job = " + std::to_string(byFewest.BarCount())),
              lines.end());
}

TEST(CalculateFewestBars, CancelledRunWritesNoReport) {
    Window window;
    TypeTripletJob(window);
    window.report.Assign({"an earlier report"});
    const std::atomic<bool> cancelled{true};
    const PlanOutcome outcome = CalculateIn(window, Ticked(true, false), &cancelled);
    EXPECT_TRUE(outcome.Cancelled);
    EXPECT_FALSE(outcome.Refused);
    EXPECT_EQ(outcome.Plan, nullptr);
}

}  // namespace
