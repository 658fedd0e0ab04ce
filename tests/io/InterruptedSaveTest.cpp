#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <set>
#include <string>

#include "ChildProcess.h"
#include "TempDir.h"
#include "io/files/PendingTemporaries.h"
#include "io/job/Job.h"
#include "io/job/JobFileWriter.h"

namespace {

std::set<std::string> Names(const std::filesystem::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

Job LargeJob() {
    Job job;
    job.Title = "Large";
    for (std::string& cell : job.Cells) {
        cell = "1234567890";
    }
    return job;
}

// The signal comes while the new file is being written: going past the file
// size limit raises SIGXFSZ in the middle of the write, whose handler sends
// SIGTERM at once.
TEST(InterruptedSave, SignalRemovesTheFileBeingWritten) {
    TempDir dir;
    const std::string path = dir.File("job.txt");
    WriteBytes(path, "previous job");
    const ChildOutcome save = RunInChild(
        [&] {
            RemovePendingTemporariesOnInterrupt();
            std::signal(SIGXFSZ, [](int) { std::raise(SIGTERM); });
            const rlimit small{4096, 4096};
            ::setrlimit(RLIMIT_FSIZE, &small);
            WriteJobFile(path, LargeJob());
        },
        false);
    EXPECT_FALSE(save.finished);
    EXPECT_EQ(Names(dir.Path()), std::set<std::string>{"job.txt"});
    EXPECT_EQ(ReadBytes(path), "previous job");
}

// What a killed save left is removed by the next save; a file another save
// is still writing (it holds the lock) and files of other names stay.
TEST(InterruptedSave, NextSaveRemovesWhatAKilledSaveLeft) {
    TempDir dir;
    const std::string path = dir.File("job.txt");
    for (const char* name : {".job.txt.velmar-Left01", ".job.txt.velmar-Busy01", ".job.txt.backup",
                             ".other.txt.velmar-Left02"}) {
        WriteBytes(dir.File(name), "partial");
    }
    const int busy = ::open(dir.File(".job.txt.velmar-Busy01").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(busy, LOCK_EX), 0);
    WriteJobFile(path, Job{});
    ::close(busy);
    EXPECT_EQ(Names(dir.Path()),
              (std::set<std::string>{"job.txt", ".job.txt.velmar-Busy01", ".job.txt.backup",
                                     ".other.txt.velmar-Left02"}));
}

}  // namespace
