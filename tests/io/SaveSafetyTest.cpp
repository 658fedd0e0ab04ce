#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "ChildProcess.h"
#include "TempDir.h"
#include "io/job/Job.h"
#include "io/job/JobFileReader.h"
#include "io/job/JobFileWriter.h"
#include "model/Exceptions.h"

namespace fs = std::filesystem;

namespace {

Job TitledJob(const std::string& title) {
    Job job;
    job.Title = title;
    return job;
}

long FileCount(const fs::path& dir) {
    return std::distance(fs::directory_iterator(dir), fs::directory_iterator());
}

void SetMode(const fs::path& path, mode_t mode) {
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
}

ino_t InodeOf(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_ino : 0;
}

// As a full disk would, makes a write fail once the file reaches 4096 bytes.
void LimitFileSize() {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &small);
}

void SaveCatching(const std::string& path, const Job& job, std::string& error) {
    try {
        WriteJobFile(path, job);
    } catch (const std::exception& e) {
        error = e.what();
    }
}

// A file the user may write in a folder where they may not create one is
// rewritten in place; a failure half-way puts the old contents back.
TEST(SaveSafety, InPlaceSaveReplacesTheJobOrLeavesItWhole) {
    TempDir dir;
    const std::string path = dir.File("job.txt");
    WriteBytes(path, std::string(100000, 'z'));
    SetMode(path, 0666);
    const ino_t inode = InodeOf(path);
    SetMode(dir.Path(), 0555);

    const Job saved = TitledJob("Saved in place");
    const ChildOutcome save = RunInChild([&] { WriteJobFile(path, saved); }, true);
    const ChildOutcome failed = RunInChild(
        [&] {
            LimitFileSize();
            WriteJobFile(path, TitledJob(std::string(255, 'x')));
        },
        true);
    SetMode(dir.Path(), 0700);

    EXPECT_TRUE(save.finished);
    EXPECT_EQ(save.error, "");
    EXPECT_TRUE(failed.finished);
    EXPECT_EQ(failed.error, "File too large");
    EXPECT_TRUE(ReadBytes(path) == FormatJobFile(saved));
    EXPECT_EQ(InodeOf(path), inode);
    EXPECT_EQ(FileCount(dir.Path()), 1);
}

// Saves of a long and a short job racing each other on the in-place path
// must leave one of them whole, never the short one over the long one's tail.
TEST(SaveSafety, ConcurrentInPlaceSavesLeaveOneWholeJob) {
    TempDir dir;
    const std::string path = dir.File("job.txt");
    WriteBytes(path, "");
    SetMode(path, 0666);
    SetMode(dir.Path(), 0555);
    Job longJob = TitledJob("Long");
    for (std::string& cell : longJob.Cells) {
        cell = "1234567890";
    }
    const Job shortJob = TitledJob("Short");
    const ChildOutcome race = RunInChild(
        [&] {
            for (int round = 0; round < 100; ++round) {
                std::string errors[2];
                std::thread first([&] { SaveCatching(path, longJob, errors[0]); });
                std::thread second([&] { SaveCatching(path, shortJob, errors[1]); });
                first.join();
                second.join();
                const std::string left = ReadBytes(path);
                if (!errors[0].empty() || !errors[1].empty() ||
                    (left != FormatJobFile(longJob) && left != FormatJobFile(shortJob))) {
                    throw std::runtime_error("round " + std::to_string(round) + ": " + errors[0] +
                                             errors[1] + " " + std::to_string(left.size()) +
                                             " bytes left");
                }
            }
        },
        true, 120);
    SetMode(dir.Path(), 0700);

    EXPECT_TRUE(race.finished);
    EXPECT_EQ(race.error, "");
}

TEST(SaveSafety, ReadOnlyJobIsRefusedAndKept) {
    TempDir dir;
    const std::string path = dir.File("job.txt");
    WriteBytes(path, "read only");
    SetMode(path, 0444);
    SetMode(dir.Path(), 0777);
    const ChildOutcome save = RunInChild([&] { WriteJobFile(path, TitledJob("New")); }, true);
    SetMode(dir.Path(), 0700);

    EXPECT_EQ(save.error, "Permission denied");
    EXPECT_EQ(ReadBytes(path), "read only");
    EXPECT_EQ(FileCount(dir.Path()), 1);
}

// A file of another user in a sticky folder cannot be renamed over, but the
// user may write it: it is rewritten in place.
TEST(SaveSafety, OthersFileInAStickyFolderIsRewrittenInPlace) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to own the file for another user";
    }
    TempDir dir;
    const std::string path = dir.File("job.txt");
    WriteBytes(path, std::string(100000, 'z'));
    SetMode(path, 0666);
    SetMode(dir.Path(), 01777);
    const Job job = TitledJob("Shared");
    const ChildOutcome save = RunInChild([&] { WriteJobFile(path, job); }, true);
    SetMode(dir.Path(), 0700);

    EXPECT_EQ(save.error, "");
    EXPECT_TRUE(ReadBytes(path) == FormatJobFile(job));
    EXPECT_EQ(FileCount(dir.Path()), 1);
}

struct LinkCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> links;  // link, what it points to
    std::string existingFile;                                // made before the save when not empty
    std::string writtenFile;                                 // empty when the save must fail
    std::string error;
    long entriesInA;  // after the save, links included
    long entriesInB;
};

void PrintTo(const LinkCase& c, std::ostream* out) {
    *out << c.name;
}

class SavingThroughLinks : public testing::TestWithParam<LinkCase> {};

// Every case saves through a/job.txt. The links stay links, the file they
// lead to is replaced in its own folder, and a loop is refused as reading
// refuses it.
TEST_P(SavingThroughLinks, WriteTheFileTheyLeadTo) {
    const LinkCase& c = GetParam();
    TempDir dir;
    fs::create_directory(dir.Path() / "a");
    fs::create_directory(dir.Path() / "b");
    for (const auto& [link, target] : c.links) {
        fs::create_symlink(target, dir.Path() / link);
    }
    if (!c.existingFile.empty()) {
        WriteBytes(dir.File(c.existingFile), "old");
    }
    const std::string path = dir.File("a/job.txt");
    const Job job = TitledJob("Linked");
    std::string error;
    try {
        WriteJobFile(path, job);
    } catch (const EInOutError& e) {
        error = e.what();
    }

    EXPECT_EQ(error, c.error);
    if (c.writtenFile.empty()) {
        try {
            ReadJobFile(path);
            ADD_FAILURE() << "a loop was read";
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.what(), c.error);
        }
    } else {
        EXPECT_TRUE(ReadBytes(dir.File(c.writtenFile)) == FormatJobFile(job));
    }
    for (const auto& [link, target] : c.links) {
        EXPECT_TRUE(fs::is_symlink(dir.Path() / link)) << link;
    }
    EXPECT_EQ(FileCount(dir.Path() / "a"), c.entriesInA);
    EXPECT_EQ(FileCount(dir.Path() / "b"), c.entriesInB);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SavingThroughLinks,
    testing::Values(
        LinkCase{"Dangling", {{"a/job.txt", "../b/job.txt"}}, "", "b/job.txt", "", 1, 1},
        LinkCase{"ChainToAnExistingFile",
                 {{"a/job.txt", "../b/next.txt"}, {"b/next.txt", "job.txt"}},
                 "b/job.txt",
                 "b/job.txt",
                 "",
                 1,
                 2},
        LinkCase{"Loop",
                 {{"a/job.txt", "../b/job.txt"}, {"b/job.txt", "../a/job.txt"}},
                 "",
                 "",
                 "Too many levels of symbolic links",
                 1,
                 1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
