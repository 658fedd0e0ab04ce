#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "RunTool.h"
#include "io/job/JobFileReader.h"
#include "tests/io/TempDir.h"

namespace {

const std::string Shelf = ExamplePath("shelf-brackets.txt");

// A named pipe nobody holds open at the other end would make an open wait for
// ever; the tool says so and ends instead.
TEST(BatchToolFaults, NamedPipeWithNothingAtTheOtherEndIsAnError) {
    TempDir dir;
    const std::string pipe = dir.File("pipe.svg");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const struct {
        std::vector<std::string> arguments;
        std::string err;
    } cases[] = {
        {{pipe}, "Is a named pipe, not a file.\n"},
        {{"--save", pipe, Shelf}, "Nothing reads from the named pipe.\n"},
        {{"--diagram", pipe, Shelf}, "Nothing reads from the named pipe.\n"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunBatchTool(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.arguments.front();
        EXPECT_EQ(run.err, c.err) << c.arguments.front();
    }
}

TEST(BatchToolFaults, AReaderThatWentAwayIsAFailedRunThatStillSaves) {
    TempDir dir;
    const std::string out = dir.File("saved.txt");
    int channel[2];
    ASSERT_EQ(::pipe(channel), 0);
    ::close(channel[0]);
    const ToolRun run =
        RunBatchTool({"--save", out, Shelf}, 0, "/dev/fd/" + std::to_string(channel[1]));
    ::close(channel[1]);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "Unable to write to standard output.\n");
    EXPECT_EQ(ReadJobFile(out).Title, "Shelf brackets");
}

}  // namespace
