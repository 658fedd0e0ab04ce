#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "TempDir.h"
#include "io/job/Job.h"
#include "io/job/JobFileReader.h"
#include "io/job/JobFileWriter.h"
#include "model/Exceptions.h"

namespace {

// Every line differs, with blanks, single-byte letters and the longest text
// a line keeps.
Job FullJob() {
    Job job;
    job.Title = std::string(" Title \xe9") + std::string(247, 't');
    job.BarSettings = {"20'", " 0.125", "1 1/2 "};
    job.AutoItemNumber = true;
    for (int row = kFirstDataRow; row < kCutListRows; ++row) {
        for (int column = 0; column < kCutListColumns; ++column) {
            job.Cell(row, column) =
                (row + column) % 7 == 0 ? "" : std::to_string(row) + " c" + std::to_string(column);
        }
    }
    job.Cell(499, 4) = std::string(255, '\xff');
    return job;
}

TEST(JobFileIo, WhatIsWrittenReadsBackUnchanged) {
    TempDir dir;
    const std::string path = dir.File("job.txt");
    for (const bool autoItem : {true, false}) {
        Job job = FullJob();
        job.AutoItemNumber = autoItem;
        WriteJobFile(path, job);
        EXPECT_EQ(ReadBytes(path), FormatJobFile(job));
        EXPECT_EQ(ReadJobFile(path), job);
    }
}

TEST(JobFileIo, SavingReplacesAnExistingFileAndLeavesNoTemporaryFile) {
    TempDir dir;
    const std::string path = dir.File("job.txt");
    WriteBytes(path, std::string(100000, 'z'));
    ::chmod(path.c_str(), 0640);
    Job job;
    job.Title = "New";
    WriteJobFile(path, job);
    EXPECT_EQ(ReadBytes(path), FormatJobFile(job));
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(JobFileIo, SavingThroughALinkReplacesTheLinkedFile) {
    TempDir dir;
    const std::string target = dir.File("real.txt");
    const std::string link = dir.File("link.txt");
    WriteBytes(target, "old");
    std::filesystem::create_symlink(target, link);
    Job job;
    job.Title = "Linked";
    WriteJobFile(link, job);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadJobFile(target).Title, "Linked");
}

TEST(JobFileIo, SavesUnderTheLongestFileName) {
    TempDir dir;
    const std::string path = dir.File(std::string(251, 'n') + ".txt");
    Job job;
    job.Title = "Long name";
    WriteJobFile(path, job);
    EXPECT_EQ(ReadJobFile(path), job);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

// A pipe or a device (/dev/stdout, say) is written through, never replaced.
TEST(JobFileIo, SavingIntoAPipeWritesThroughIt) {
    TempDir dir;
    const std::string path = dir.File("pipe");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    const int reader = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    Job job;
    job.Title = "Piped";
    WriteJobFile(path, job);
    std::string received(FormatJobFile(job).size() + 1, '\0');
    const ssize_t count = ::read(reader, received.data(), received.size());
    ::close(reader);
    received.resize(count < 0 ? 0 : static_cast<std::size_t>(count));
    EXPECT_EQ(received, FormatJobFile(job));
    EXPECT_TRUE(std::filesystem::is_fifo(path));
}

// A write that fails half-way (here: the file size limit, as a full disk would)
// keeps the previous file whole.
TEST(JobFileIo, FailedSaveKeepsThePreviousFile) {
    TempDir dir;
    const std::string path = dir.File("job.txt");
    WriteBytes(path, "previous job");

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    try {
        WriteJobFile(path, FullJob());
    } catch (const EInOutError& e) {
        error = e.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(error, "File too large");
    EXPECT_EQ(ReadBytes(path), "previous job");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

struct ErrorCase {
    const char* name;
    bool write;
    std::string relativePath;  // within a directory holding the file "plain"
    std::string text;
};

void PrintTo(const ErrorCase& c, std::ostream* out) {
    *out << c.name;
}

class JobFileErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P(JobFileErrors, CarryTheSystemsText) {
    const ErrorCase& c = GetParam();
    TempDir dir;
    WriteBytes(dir.File("plain"), "x");
    const std::string path = dir.File(c.relativePath);
    try {
        if (c.write) {
            WriteJobFile(path, Job{});
        } else {
            ReadJobFile(path);
        }
        ADD_FAILURE() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(std::string(e.what()), c.text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JobFileErrors,
    testing::Values(ErrorCase{"OpenMissingFile", false, "missing.txt", "File not found"},
                    ErrorCase{"OpenInMissingDirectory", false, "nodir/job.txt", "File not found"},
                    ErrorCase{"OpenDirectory", false, "", "Is a directory"},
                    ErrorCase{"OpenBelowAFile", false, "plain/job.txt", "Not a directory"},
                    ErrorCase{"SaveInMissingDirectory", true, "nodir/job.txt",
                              "No such file or directory"},
                    ErrorCase{"SaveBelowAFile", true, "plain/job.txt", "Not a directory"},
                    ErrorCase{"SaveOverADirectory", true, "", "Is a directory"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
