#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "ChildProcess.h"
#include "TempDir.h"
#include "io/job/Job.h"
#include "io/job/JobFileReader.h"
#include "io/job/JobFileWriter.h"
#include "io/settings/LastSettings.h"
#include "io/settings/ProfileFile.h"
#include "model/Exceptions.h"

namespace {

struct JobSizeCase {
    const char* name;
    std::string start;
    std::size_t padding;  // bytes without a line end after the start
    std::string error;    // empty when the job reads
};

void PrintTo(const JobSizeCase& c, std::ostream* out) {
    *out << c.name;
}

Job TitledJob(const std::string& title) {
    Job job;
    job.Title = title;
    return job;
}

class JobSize : public testing::TestWithParam<JobSizeCase> {};

// Only what the reader must take counts: a job's surplus lines are never read.
TEST_P(JobSize, IsBoundedByWhatTheReaderTakes) {
    const JobSizeCase& c = GetParam();
    std::string error;
    try {
        ParseJobFile(c.start + std::string(c.padding, 'x'));
    } catch (const EInOutError& e) {
        error = e.what();
    }
    EXPECT_EQ(error, c.error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JobSize,
    testing::Values(JobSizeCase{"OneLineUpToTheLimit", "", kMaxJobFileBytes, ""},
                    JobSizeCase{"OneLinePastTheLimit", "", kMaxJobFileBytes + 1, kJobTooLargeText},
                    JobSizeCase{"LongTailAfterTheLastCell", FormatJobFile(TitledJob("Job")),
                                kMaxJobFileBytes, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// A device that never ends is refused instead of read for ever.
TEST(JobSize, EndlessDeviceIsRefused) {
    const ChildOutcome read = RunInChild([] { ReadJobFile("/dev/zero"); }, false);
    EXPECT_TRUE(read.finished);
    EXPECT_EQ(read.error, kJobTooLargeText);
}

// The settings are read only from a regular file within the limit; anything
// else gives the defaults, as a missing file does, and at once.
TEST(SettingsFile, OnlyARegularFileWithinTheLimitIsRead) {
    TempDir dir;
    const std::string keys = "[Bar]\r\nLength=240\r\n";
    WriteBytes(dir.File("within.ini"), keys + std::string(kMaxProfileFileBytes - keys.size(), ';'));
    WriteBytes(dir.File("past.ini"), keys + std::string(kMaxProfileFileBytes, ';'));
    std::filesystem::create_symlink("/dev/zero", dir.File("zero.ini"));
    ASSERT_EQ(::mkfifo(dir.File("fifo.ini").c_str(), 0600), 0);

    const struct {
        const char* file;
        const char* length;
    } cases[] = {{"within.ini", "240"}, {"past.ini", ""}, {"zero.ini", ""}, {"fifo.ini", ""}};
    for (const auto& c : cases) {
        std::string length = "<none>";
        const ChildOutcome load = RunInChild(
            [&] {
                const LastSettings settings = LoadLastini(dir.File(c.file));
                if (settings != LastSettings{c.length, "", ""}) {
                    throw EInOutError("Length=" + settings.Length);
                }
            },
            false, 3);
        EXPECT_TRUE(load.finished) << c.file;
        EXPECT_EQ(load.error, "") << c.file;
    }
}

}  // namespace
