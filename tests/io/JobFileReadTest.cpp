#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "io/Job.h"
#include "io/JobFileReader.h"
#include "io/JobFileWriter.h"

namespace {

struct CellText {
    int row;
    int column;
    std::string text;
};

struct ReadCase {
    const char* name;
    std::string bytes;
    std::string title;
    std::array<std::string, 3> barSettings;
    bool autoItem;
    std::vector<CellText> cells;  // every other cell is empty
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << c.name;
}

std::string Joined(const std::vector<std::string>& lines, const std::string& end) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + end;
    }
    return text;
}

// The shelf brackets job as typed before any Calculate, padded to a full file.
std::vector<std::string> ShelfLines() {
    std::vector<std::string> lines(Job::kLineCount);
    lines[0] = "Shelf brackets";
    lines[1] = "240";
    lines[2] = "0.125";
    lines[3] = "20";
    lines[4] = "1";
    lines[5] = "3";
    lines[6] = "96";
    lines[10] = "2";
    lines[11] = "48";
    return lines;
}

const std::vector<CellText> ShelfCells = {{1, 0, "3"}, {1, 1, "96"}, {2, 0, "2"}, {2, 1, "48"}};

std::vector<std::string> WithExtraLine(std::vector<std::string> lines, std::string extra) {
    lines.push_back(std::move(extra));
    return lines;
}

std::vector<ReadCase> ReadCases() {
    const std::string long300(300, 'x');
    const std::string longCell = std::string(255, 'a') + std::string(45, 'b');
    return {
        {"CrLfJob",
         Joined(ShelfLines(), "\r\n"),
         "Shelf brackets",
         {"240", "0.125", "20"},
         true,
         ShelfCells},
        {"LfOnlyJobLoadsLikeItsCrLfTwin",
         Joined(ShelfLines(), "\n"),
         "Shelf brackets",
         {"240", "0.125", "20"},
         true,
         ShelfCells},
        {"CrOnlyJob",
         Joined(ShelfLines(), "\r"),
         "Shelf brackets",
         {"240", "0.125", "20"},
         true,
         ShelfCells},
        {"LinesAfterTheLastCellAreIgnored",
         Joined(WithExtraLine(ShelfLines(), "extra"), "\r\n"),
         "Shelf brackets",
         {"240", "0.125", "20"},
         true,
         ShelfCells},
        {"EmptyExtraLineIsIgnored",
         Joined(WithExtraLine(ShelfLines(), ""), "\r\n"),
         "Shelf brackets",
         {"240", "0.125", "20"},
         true,
         ShelfCells},
        {"LastLineWithoutLineEnd",
         Joined(ShelfLines(), "\r\n") + "tail",
         "Shelf brackets",
         {"240", "0.125", "20"},
         true,
         ShelfCells},
        {"EmptyFile", "", "", {"", "", ""}, false, {}},
        {"OnlyATitle", "Just a title", "Just a title", {"", "", ""}, false, {}},
        {"FewerLinesLoadWhatTheyHave",
         "T\r\n240\r\n0.125\r\n",
         "T",
         {"240", "0.125", ""},
         false,
         {}},
        {"FlagWithBlanksAround", "T\r\n1\r\n2\r\n3\r\n  1 \r\n", "T", {"1", "2", "3"}, true, {}},
        {"FlagWithControlCharacters",
         "T\r\n\r\n\r\n\r\n\t\x01"
         "1\x1f\r\n",
         "T",
         {"", "", ""},
         true,
         {}},
        {"FlagOneDotZeroIsNotSet", "T\r\n\r\n\r\n\r\n1.0\r\n", "T", {"", "", ""}, false, {}},
        {"FlagWordIsNotSet", "T\r\n\r\n\r\n\r\nyes\r\n", "T", {"", "", ""}, false, {}},
        {"FlagElevenIsNotSet", "T\r\n\r\n\r\n\r\n11\r\n", "T", {"", "", ""}, false, {}},
        {"FlagEmptyIsNotSet",
         "T\r\n\r\n\r\n\r\n\r\n3\r\n",
         "T",
         {"", "", ""},
         false,
         {{1, 0, "3"}}},
        {"LongTitleCutTo255",
         long300 + "\r\n240\r\n",
         std::string(255, 'x'),
         {"240", "", ""},
         false,
         {}},
        {"LongCellCutAndTheRestSkipped",
         "T\r\n\r\n\r\n\r\n0\r\n" + longCell + "\r\n96\r\n",
         "T",
         {"", "", ""},
         false,
         {{1, 0, std::string(255, 'a')}, {1, 1, "96"}}},
        {"CtrlZEndsTheData",
         "T\r\n240\r\n0.1\x1a"
         "25\r\n20\r\n1\r\n",
         "T",
         {"240", "0.1", ""},
         false,
         {}},
        {"CtrlZAtLineStart",
         "T\r\n\x1a"
         "240\r\n",
         "T",
         {"", "", ""},
         false,
         {}},
        {"BlanksKeptAsTyped", " T \r\n 240\r\n", " T ", {" 240", "", ""}, false, {}},
        {"LfThenCrAreTwoLineEnds", "T\n\r240\r\n", "T", {"", "240", ""}, false, {}},
        {"SingleByteTextKept",
         "\xe9t\xe9\r\n\xff\x80\r\n",
         "\xe9t\xe9",
         {"\xff\x80", "", ""},
         false,
         {}},
        {"NulBytesKept",
         std::string("a\0b\r\n", 5),
         std::string("a\0b", 3),
         {"", "", ""},
         false,
         {}},
    };
}

class JobFileRead : public testing::TestWithParam<ReadCase> {};

TEST_P(JobFileRead, LoadsTheLinesInOrder) {
    const ReadCase& c = GetParam();
    Job expected;
    expected.Title = c.title;
    expected.BarSettings = c.barSettings;
    expected.AutoItemNumber = c.autoItem;
    for (const CellText& cell : c.cells) {
        expected.Cell(cell.row, cell.column) = cell.text;
    }
    const Job job = ParseJobFile(c.bytes);
    EXPECT_EQ(job.Title, expected.Title);
    EXPECT_EQ(job.BarSettings, expected.BarSettings);
    EXPECT_EQ(job.AutoItemNumber, expected.AutoItemNumber);
    for (int row = kFirstDataRow; row < kCutListRows; ++row) {
        for (int column = 0; column < kCutListColumns; ++column) {
            EXPECT_EQ(job.Cell(row, column), expected.Cell(row, column))
                << "row " << row << " column " << column;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, JobFileRead, testing::ValuesIn(ReadCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(JobFileFormat, ShelfBracketsJobIs2500CrLfLines) {
    Job job;
    job.Title = "Shelf brackets";
    job.BarSettings = {"240", "0.125", "20"};
    job.AutoItemNumber = true;
    job.Cell(1, 0) = "3";
    job.Cell(1, 1) = "96";
    job.Cell(2, 0) = "2";
    job.Cell(2, 1) = "48";
    EXPECT_EQ(FormatJobFile(job), Joined(ShelfLines(), "\r\n"));

    job.AutoItemNumber = false;
    const std::string text = FormatJobFile(job);
    EXPECT_EQ(text.substr(0, 35), "Shelf brackets\r\n240\r\n0.125\r\n20\r\n0\r\n");
}

TEST(JobFileFormat, CellOnItsLine) {
    // The cell of data row r and column c stands on line 6 + 5 (r - 1) + c.
    const struct {
        int row, column, line;
    } cases[] = {{1, 0, 6}, {1, 4, 10}, {2, 0, 11}, {250, 2, 1253}, {499, 4, 2500}};
    for (const auto& c : cases) {
        Job job;
        job.Cell(c.row, c.column) = "here";
        const std::string text = FormatJobFile(job);
        std::size_t start = 0;
        for (int line = 1; line < c.line; ++line) {
            start = text.find("\r\n", start) + 2;
        }
        EXPECT_EQ(text.compare(start, 6, "here\r\n"), 0) << "line " << c.line;
        EXPECT_EQ(ParseJobFile(text).Cell(c.row, c.column), "here");
    }
}

TEST(JobFileFormat, LineBreaksInValuesNeverAddLines) {
    Job job;
    job.Title = "two\r\nlines";
    job.BarSettings[1] = "0.1\n25";
    job.Cell(3, 2) = "A\rB";
    job.Cell(499, 4) = "last";
    const std::string text = FormatJobFile(job);
    std::size_t lines = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", at + 2)) {
        ++lines;
    }
    EXPECT_EQ(lines, static_cast<std::size_t>(Job::kLineCount));
    const Job back = ParseJobFile(text);
    EXPECT_EQ(back.Title, "two  lines");
    EXPECT_EQ(back.BarSettings[1], "0.1 25");
    EXPECT_EQ(back.Cell(3, 2), "A B");
    EXPECT_EQ(back.Cell(499, 4), "last");
}

}  // namespace
