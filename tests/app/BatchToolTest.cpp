#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "MiniJson.h"
#include "RunTool.h"
#include "core/Calculate.h"
#include "core/job/JobModels.h"
#include "io/job/Job.h"
#include "io/job/JobBinding.h"
#include "io/job/JobFileReader.h"
#include "io/job/JobFileWriter.h"
#include "tests/common/WorkedExample.h"

namespace {

// A directory with job files made for one test.
class JobDir {
  public:
    JobDir() {
        std::string pattern = "/tmp/velmar-batch-test-XXXXXX";
        path_ = ::mkdtemp(pattern.data());
    }
    ~JobDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

    std::string Write(const std::string& name, const std::string& barLength,
                      const std::vector<std::vector<std::string>>& rows, bool autoItem = true) {
        Job job;
        job.Title = name;
        job.BarSettings = {barLength, "0.125", "20"};
        job.AutoItemNumber = autoItem;
        for (std::size_t row = 0; row < rows.size(); ++row) {
            for (std::size_t column = 0; column < rows[row].size(); ++column) {
                job.Cell(static_cast<int>(row) + 1, static_cast<int>(column)) = rows[row][column];
            }
        }
        WriteJobFile(File(name), job);
        return File(name);
    }

  private:
    std::filesystem::path path_;
};

// The full report of each example is held to its golden report; this is the
// short one of the worked example.
TEST(BatchTool, ShortReportOfTheWorkedExample) {
    const ToolRun run = RunBatchTool({"--short", ExamplePath("shelf-brackets.txt")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(SplitLines(run.out), ExampleReport(true));
}

struct ExitCase {
    const char* name;
    std::vector<std::string> arguments;
    int exitCode;
    std::string errStart;  // what stderr begins with
    bool printsReport;
};

void PrintTo(const ExitCase& c, std::ostream* out) {
    *out << c.name;
}

class ExitCodes : public testing::TestWithParam<ExitCase> {};

TEST_P(ExitCodes, TellHowTheRunEnded) {
    const ExitCase& c = GetParam();
    const ToolRun run = RunBatchTool(c.arguments);
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_EQ(run.err.substr(0, c.errStart.size()), c.errStart) << run.err;
    if (c.errStart.empty()) {
        EXPECT_EQ(run.err, "");
    }
    EXPECT_EQ(!run.out.empty(), c.printsReport) << run.out;
}

const std::string Shelf = ExamplePath("shelf-brackets.txt");

INSTANTIATE_TEST_SUITE_P(
    Cases, ExitCodes,
    testing::Values(
        ExitCase{"NoArguments", {}, 64, "velmar-batch: no job file given\n", false},
        ExitCase{
            "UnknownOption", {"--bogus", Shelf}, 64, "velmar-batch: unknown option --bogus", false},
        ExitCase{"TwoJobFiles", {Shelf, Shelf}, 64, "velmar-batch: only one job file", false},
        ExitCase{"SaveWithoutName", {Shelf, "--save"}, 64, "velmar-batch: --save needs", false},
        ExitCase{"MissingJobFile", {"/nonexistent/job.txt"}, 2, "File not found.\n", false},
        ExitCase{"DirectoryAsJobFile", {VELMAR_EXAMPLES_DIR}, 2, "Is a directory.\n", false},
        ExitCase{"EndlessJobFile", {"/dev/zero"}, 2, "File too large for a job file.\n", false},
        ExitCase{"EmptyJobIsRefused",
                 {"/dev/null"},
                 1,
                 "Qty Length and Bar Length all required\n",
                 false},
        ExitCase{"DiagramOfAnotherFormat",
                 {"--diagram", "plan.png", Shelf},
                 64,
                 "velmar-batch: --diagram plan.png: a diagram is written to a file ending in .pdf "
                 "or .svg\n",
                 false},
        ExitCase{"DiagramWithoutName",
                 {Shelf, "--diagram="},
                 64,
                 "velmar-batch: --diagram needs",
                 false},
        ExitCase{"DiagramIntoMissingDirectory",
                 {"--diagram=/nonexistent/plan.pdf", Shelf},
                 2,
                 "No such file or directory.\n",
                 true},
        ExitCase{"SaveIntoMissingDirectory",
                 {"--save", "/nonexistent/out.txt", Shelf},
                 2,
                 "No such file or directory.\n",
                 true},
        ExitCase{"OptionsAfterTheFile", {Shelf, "--alternate", "--short"}, 0, "", true},
        ExitCase{"TimeLimitWithoutNumber",
                 {"--fewest-bars", Shelf, "--time-limit"},
                 64,
                 "velmar-batch: --time-limit needs a number of seconds above 0",
                 false},
        ExitCase{"TimeLimitNotANumber",
                 {"--fewest-bars", "--time-limit", "ten", Shelf},
                 64,
                 "velmar-batch: --time-limit needs",
                 false},
        ExitCase{"TimeLimitZero",
                 {"--fewest-bars", "--time-limit=0", Shelf},
                 64,
                 "velmar-batch: --time-limit needs",
                 false},
        ExitCase{"TimeLimitNegative",
                 {"--fewest-bars", "--time-limit", "-5", Shelf},
                 64,
                 "velmar-batch: --time-limit needs",
                 false},
        ExitCase{"TimeLimitEndless",
                 {"--fewest-bars", "--time-limit", "1e400", Shelf},
                 64,
                 "velmar-batch: --time-limit needs",
                 false},
        ExitCase{"TimeLimitAlone",
                 {"--time-limit", "5", Shelf},
                 64,
                 "velmar-batch: --time-limit goes with --fewest-bars",
                 false},
        ExitCase{"AlternateAndFewestBars",
                 {"--alternate", "--fewest-bars", Shelf},
                 64,
                 "velmar-batch: --alternate and --fewest-bars exclude each other",
                 false},
        ExitCase{"FewestBarsWithTimeLimit",
                 {"--fewest-bars", "--time-limit=2.5", Shelf},
                 0,
                 "3 bars; no plan can use fewer than 3\n",
                 true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BatchTool, HelpPrintsUsage) {
    const ToolRun run = RunBatchTool({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.rfind("Usage: velmar-batch [--short] [--alternate] [--json] [--save OUT] "
                            "[--diagram OUT] "
                            "JOBFILE\n",
                            0),
              0u);
}

TEST(BatchTool, AReportThatCannotBeWrittenIsAFailure) {
    const ToolRun run = RunBatchTool({Shelf}, 0, "/dev/full");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "Unable to write to standard output.\n");
}

// The diagram replaces an existing file, and only a calculated job has one.
TEST(BatchTool, DiagramOfTheCalculatedPlan) {
    JobDir dir;
    const std::string out = dir.File("plan.svg");
    std::ofstream(out) << "old";
    const ToolRun refused = RunBatchTool({"--diagram", out, "/dev/null"});
    EXPECT_EQ(refused.exitCode, 1);
    std::stringstream kept;
    kept << std::ifstream(out).rdbuf();
    EXPECT_EQ(kept.str(), "old");

    const ToolRun run = RunBatchTool({"--alternate", "--diagram", out, Shelf});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    std::stringstream svg;
    svg << std::ifstream(out).rdbuf();
    for (const char* text : {"<svg", ">Bar 1</text>", ">Bar 3</text>", ">remaining</text>"}) {
        EXPECT_NE(svg.str().find(text), std::string::npos) << text;
    }
}

TEST(BatchTool, RefusalsAndErrorsOfCalculate) {
    JobDir dir;
    const struct {
        std::string job;
        int exitCode;
        std::string err;
    } cases[] = {
        {dir.Write("short-bar", "40", {{"1", "96"}}), 1, "Bar Length less than Cut length\n"},
        {dir.Write("zero-denominator", "1/0", {{"1", "96"}}), 2,
         "Floating point division by zero.\n"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunBatchTool({c.job});
        EXPECT_EQ(run.exitCode, c.exitCode) << c.job;
        EXPECT_EQ(run.err, c.err) << c.job;
    }
}

std::vector<std::string> Texts(const JsonValue& array) {
    std::vector<std::string> texts;
    for (const JsonValue& item : array.items) {
        EXPECT_EQ(item.kind, JsonValue::Kind::String);
        texts.push_back(item.text);
    }
    return texts;
}

// Parses the output and checks the members every run has.
JsonValue ParsedOutput(const ToolRun& run) {
    const std::optional<JsonValue> json = ParseJson(run.out);
    if (!json) {
        ADD_FAILURE() << "not JSON: " << run.out;
        return {};
    }
    EXPECT_EQ(json->memberOrder, (std::vector<std::string>{
                                     "report", "cutList", "usedRows", "lastErr", "barCount",
                                     "method", "lowerBound", "provenMinimal", "plan", "message"}));
    const JsonValue& cutList = json->members.at("cutList");
    EXPECT_EQ(cutList.items.size(), 499u);
    for (const JsonValue& row : cutList.items) {
        EXPECT_EQ(Texts(row).size(), 5u);
    }
    return *json;
}

TEST(BatchToolJson, WorkedExample) {
    const ToolRun run = RunBatchTool({"--json", Shelf});
    EXPECT_EQ(run.exitCode, 0);
    const JsonValue json = ParsedOutput(run);
    EXPECT_EQ(Texts(json.members.at("report")), ExampleReport(false));
    const JsonValue& cutList = json.members.at("cutList");
    EXPECT_EQ(Texts(cutList.items.at(0)), (std::vector<std::string>{"3", "96", "1", "96000", "3"}));
    EXPECT_EQ(Texts(cutList.items.at(2)), (std::vector<std::string>{"4", "30", "3", "30000", "4"}));
    EXPECT_EQ(Texts(cutList.items.at(3)), std::vector<std::string>(5));
    EXPECT_EQ(json.members.at("usedRows").text, "3");
    EXPECT_EQ(json.members.at("lastErr").text, "0 Ok");
    EXPECT_EQ(json.members.at("barCount").text, "3");
    EXPECT_EQ(json.members.at("method").text, "first fit");
    EXPECT_EQ(json.members.at("lowerBound").kind, JsonValue::Kind::Number);
    EXPECT_EQ(json.members.at("lowerBound").text, "3");
    EXPECT_EQ(json.members.at("provenMinimal").text, "true");
    EXPECT_EQ(json.members.at("message").kind, JsonValue::Kind::Null);
}

TEST(BatchToolJson, FewestBarsSaysHowCloseItsPlanIs) {
    // First fit pairs the 500s and needs 7 bars; triplets of 500, 300 and 200
    // fill 6 bars exactly.
    JobDir dir;
    const std::string job =
        dir.Write("triplets", "1000.375", {{"6", "500"}, {"6", "300"}, {"6", "200"}}, false);
    const struct {
        std::vector<std::string> arguments;
        std::string method;
        std::string barCount;
        std::string lowerBound;
        std::string proven;
    } cases[] = {
        {{"--json", job}, "first fit", "7", "6", "false"},
        {{"--json", "--alternate", job}, "alternate", "6", "6", "true"},
        {{"--json", "--fewest-bars", job}, "fewest bars", "6", "6", "true"},
        {{"--json", "--fewest-bars", "--time-limit", "0.5", job}, "fewest bars", "6", "6", "true"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunBatchTool(c.arguments);
        EXPECT_EQ(run.exitCode, 0) << c.method;
        const JsonValue json = ParsedOutput(run);
        EXPECT_EQ(json.members.at("method").text, c.method);
        EXPECT_EQ(json.members.at("barCount").text, c.barCount) << c.method;
        EXPECT_EQ(json.members.at("lowerBound").text, c.lowerBound) << c.method;
        EXPECT_EQ(json.members.at("provenMinimal").text, c.proven) << c.method;
    }
}

// The diagram draws the plan the report was written from, whichever method
// planned it: first fit needs 7 bars for the triplets, the others 6.
TEST(BatchTool, DiagramOfEachMethodsPlan) {
    JobDir dir;
    const std::string job =
        dir.Write("triplets", "1000.375", {{"6", "500"}, {"6", "300"}, {"6", "200"}}, false);
    const std::string out = dir.File("plan.svg");
    const struct {
        std::vector<std::string> arguments;
        std::string bars;
    } cases[] = {
        {{"--diagram", out, job}, "7"},
        {{"--alternate", "--diagram", out, job}, "6"},
        {{"--fewest-bars", "--diagram", out, job}, "6"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunBatchTool(c.arguments);
        EXPECT_EQ(run.exitCode, 0) << c.arguments.front();
        EXPECT_NE(run.out.find("Total Bars for job = " + c.bars + "\n"), std::string::npos);
        std::stringstream svg;
        svg << std::ifstream(out).rdbuf();
        EXPECT_NE(svg.str().find("Scrap Below 20.000   Bars " + c.bars + "<"), std::string::npos)
            << c.arguments.front();
    }
}

TEST(BatchTool, FewestBarsNamesItsBoundBesideTheReport) {
    JobDir dir;
    const std::string job =
        dir.Write("triplets", "1000.375", {{"6", "500"}, {"6", "300"}, {"6", "200"}}, false);
    const ToolRun run = RunBatchTool({"--fewest-bars", job});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "6 bars; no plan can use fewer than 6\n");
    EXPECT_NE(run.out.find("Total Bars for job = 6"), std::string::npos);
}

TEST(BatchToolJson, RefusalAndMissingFileCarryTheirMessage) {
    const struct {
        std::string job;
        int exitCode;
        std::string message;
        std::string usedRows;
        std::string lastErr;
    } cases[] = {
        {"/dev/null", 1, "Qty Length and Bar Length all required", "0",
         "2 StartIndex is greater or equal to EndIndex"},
        {"/nonexistent/job.txt", 2, "File not found", "", ""},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunBatchTool({"--json", c.job});
        EXPECT_EQ(run.exitCode, c.exitCode) << c.job;
        const JsonValue json = ParsedOutput(run);
        EXPECT_TRUE(json.members.at("report").items.empty()) << c.job;
        EXPECT_EQ(json.members.at("message").text, c.message);
        EXPECT_EQ(json.members.at("usedRows").text, c.usedRows);
        EXPECT_EQ(json.members.at("lastErr").text, c.lastErr);
        EXPECT_EQ(json.members.at("barCount").text, "0");
    }
}

TEST(BatchToolJson, SingleByteTextBecomesUtf8AndSpecialCharactersAreEscaped) {
    JobDir dir;
    const std::string job =
        dir.Write("texts", "240", {{"1", "96", "\xe9t\xe9"}, {"1", "48", "a\"b\\c\x01"}}, false);
    const ToolRun run = RunBatchTool({"--json", job});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("\"a\\\"b\\\\c\\u0001\""), std::string::npos);
    const JsonValue json = ParsedOutput(run);
    const std::vector<std::string> report = Texts(json.members.at("report"));
    ASSERT_GE(report.size(), 3u);
    EXPECT_EQ(report[1], "Item # {\xc3\xa9t\xc3\xa9}   96");
    EXPECT_EQ(report[2], "Item # {a\"b\\c\x01}   48");
}

// The report as Calculate holds it for the window, for the same job and options.
std::vector<std::string> HeldReport(const std::string& jobFile,
                                    const std::vector<std::string>& options) {
    const auto has = [&](const char* option) {
        return std::find(options.begin(), options.end(), option) != options.end();
    };
    const auto models = std::make_unique<JobModels>();
    models->WriteHeadings();
    ApplyJob(ReadJobFile(jobFile), models->View());
    models->Options.ShortReport = has("--short");
    models->Options.AlternateMethod = has("--alternate");
    models->Sorter.DecimalSeparator = '.';
    const PlanOutcome outcome =
        Calculate(models->Calculation(), models->Sorter, models->Options, '.');
    EXPECT_FALSE(outcome.Refused);
    return models->Report.All();
}

// The tool writes the report as it is made; it must be the report the window
// holds, byte for byte, in both forms. Each report is larger than the
// tool's output buffer.
TEST(BatchTool, StreamedReportIsTheHeldReport) {
    JobDir dir;
    const std::string job = dir.Write(
        "long", "240", {{"4000", "30", "A"}, {"1500", "2' 1 1/8", "B"}, {"700", "96", "C"}}, false);
    const std::vector<std::vector<std::string>> optionSets = {
        {}, {"--short"}, {"--alternate"}, {"--alternate", "--short"}};
    for (const std::vector<std::string>& options : optionSets) {
        const std::vector<std::string> held = HeldReport(job, options);
        std::string heldText;
        for (const std::string& line : held) {
            heldText += line + '\n';
        }
        std::vector<std::string> arguments = options;
        arguments.push_back(job);
        const ToolRun text = RunBatchTool(arguments);
        EXPECT_EQ(text.exitCode, 0);
        EXPECT_GT(text.out.size(), 100000u);
        EXPECT_TRUE(text.out == heldText) << testing::PrintToString(options);

        arguments.insert(arguments.begin(), "--json");
        const ToolRun json = RunBatchTool(arguments);
        EXPECT_TRUE(Texts(ParsedOutput(json).members.at("report")) == held)
            << testing::PrintToString(options);
    }
}

// A plan of one bar for each of the most pieces a job may have takes some
// 330 MB; under a memory limit far below that the tool runs out while it
// plans, before a line of the report is written.
TEST(BatchTool, RunningOutOfMemoryWritesNoHalfReport) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's shadow memory does not fit under a memory limit";
#endif
    constexpr std::size_t kLimit = 96u << 20;
    JobDir dir;
    const std::string job = dir.Write("most-pieces", "96", {{"16777216", "30", "A"}}, false);
    const std::string saved = dir.File("saved.txt");
    const ToolRun text = RunBatchTool({"--alternate", "--save", saved, job}, kLimit);
    EXPECT_EQ(text.exitCode, 2);
    EXPECT_EQ(text.err, "Out of memory.\n");
    EXPECT_EQ(text.out, "");
    // The save after it has the memory back and writes the whole job.
    EXPECT_EQ(ReadJobFile(saved).Cell(1, 0), "16777216");

    const ToolRun json = RunBatchTool({"--alternate", "--json", job}, kLimit);
    EXPECT_EQ(json.exitCode, 2);
    const JsonValue parsed = ParsedOutput(json);
    EXPECT_TRUE(parsed.members.at("report").items.empty());
    EXPECT_EQ(parsed.members.at("message").text, "Out of memory");
}

TEST(BatchTool, SaveWritesTheCalculatedJob) {
    JobDir dir;
    const std::string out = dir.File("saved.txt");
    const ToolRun run = RunBatchTool({"--save", out, Shelf});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(SplitLines(run.out), ExampleReport(false));

    const Job saved = ReadJobFile(out);
    EXPECT_EQ(saved.Title, "Shelf brackets");
    EXPECT_EQ(saved.BarSettings, (std::array<std::string, 3>{"240", "0.125", "20"}));
    EXPECT_TRUE(saved.AutoItemNumber);
    const std::vector<std::vector<std::string>> rows = {{"3", "96", "1", "96000", "3"},
                                                        {"2", "48", "2", "48000", "2"},
                                                        {"4", "30", "3", "30000", "4"}};
    for (int row = 1; row <= 3; ++row) {
        for (int column = 0; column < 5; ++column) {
            EXPECT_EQ(saved.Cell(row, column), rows[row - 1][column]);
        }
    }
    EXPECT_EQ(saved.Cell(4, 0), "");
}

TEST(BatchTool, SaveHappensAfterARefusalToo) {
    JobDir dir;
    const std::string job = dir.Write("short-bar", "40", {{"", "96"}});
    const std::string out = dir.File("saved.txt");
    const ToolRun run = RunBatchTool({job, "--save=" + out});
    EXPECT_EQ(run.exitCode, 1);
    // Calculate defaulted the empty quantity and numbered the row before refusing.
    const Job saved = ReadJobFile(out);
    EXPECT_EQ(saved.Cell(1, 0), "1");
    EXPECT_EQ(saved.Cell(1, 2), "1");
    EXPECT_EQ(saved.Cell(1, 3), "96000");
}

}  // namespace
