#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "RunTool.h"
#include "tests/common/GoldenReport.h"

namespace {

// Every job in examples/, by its name without ".txt".
std::vector<std::string> ExampleJobs() {
    std::vector<std::string> jobs;
    for (const auto& entry : std::filesystem::directory_iterator(VELMAR_EXAMPLES_DIR)) {
        if (entry.path().extension() == ".txt") {
            jobs.push_back(entry.path().stem().string());
        }
    }
    std::sort(jobs.begin(), jobs.end());
    return jobs;
}

class GoldenReports : public testing::TestWithParam<std::string> {};

TEST_P(GoldenReports, ExamplePrintsItsGoldenReport) {
    const std::string& job = GetParam();
    ASSERT_TRUE(std::filesystem::exists(GoldenReportPath(job))) << "no golden report for " << job;
    const ToolRun run = RunBatchTool({ExamplePath(job + ".txt")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(SplitLines(run.out), GoldenReport(job));
}

INSTANTIATE_TEST_SUITE_P(Examples, GoldenReports, testing::ValuesIn(ExampleJobs()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
