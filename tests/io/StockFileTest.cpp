#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <string>

#include "ChildProcess.h"
#include "TempDir.h"
#include "io/stock/StockFile.h"
#include "model/Exceptions.h"

namespace {

StockFile Rack() {
    StockFile stock;
    stock.Lines = {
        {"6000", "4", "31.50", 2}, {"2' 1 1/8", "", "", 3}, {"a, \"quoted\" one", "1", "0", 4}};
    stock.EndTrim = "5";
    return stock;
}

std::string ErrorOf(const std::string& bytes) {
    try {
        ParseStockFile(bytes);
    } catch (const EInOutError& error) {
        return error.what();
    }
    return "";
}

TEST(StockFile, RoundTripKeepsEveryTextAndLine) {
    const StockFile stock = Rack();
    const std::string text = FormatStockFile(stock);
    EXPECT_TRUE(text.starts_with("Length,On Hand,Cost\r\n"));
    EXPECT_EQ(ParseStockFile(text), stock);
}

TEST(StockFile, SpreadsheetVariantsRead) {
    const StockFile stock =
        ParseStockFile("\xEF\xBB\xBFLength,On Hand,Cost\n\n 240 , 3\n\"96\",,2.5,,\n");
    ASSERT_EQ(stock.Lines.size(), 2u);
    EXPECT_EQ(stock.Lines[0], (StockFileLine{"240", "3", "", 3}));
    EXPECT_EQ(stock.Lines[1], (StockFileLine{"96", "", "2.5", 4}));
}

TEST(StockFile, UnreadableLinesAreNamed) {
    const struct {
        const char* bytes;
        const char* error;
    } cases[] = {
        {"", "Line 1 of the stock file: the first line is not the header \"Length,On Hand,Cost\""},
        {"Length,Qty\r\n240,1,\r\n",
         "Line 1 of the stock file: the first line is not the header "
         "\"Length,On Hand,Cost\""},
        {"Length,On Hand,Cost\r\n240,1,2\r\n\"96,1,2\r\n",
         "Line 3 of the stock file: a quoted field is not closed properly"},
        {"Length,On Hand,Cost\r\n240,1,2,7\r\n",
         "Line 2 of the stock file: more than the three fields Length, On Hand and Cost"},
        {"Length,On Hand,Cost\r\n,1,2\r\n", "Line 2 of the stock file: the Length is blank"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ErrorOf(c.bytes), c.error) << c.bytes;
    }
}

TEST(StockFile, FailedSaveKeepsTheOldFile) {
    TempDir dir;
    const std::string path = dir.File("stock.csv");
    WriteStockFile(path, Rack());
    StockFile large = Rack();
    large.Lines.resize(2000, {"6000", "1", "1", 0});
    const ChildOutcome failed = RunInChild(
        [&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit small{4096, 4096};
            ::setrlimit(RLIMIT_FSIZE, &small);
            WriteStockFile(path, large);
        },
        false);
    EXPECT_TRUE(failed.finished);
    EXPECT_EQ(failed.error, "File too large");
    EXPECT_EQ(ReadStockFile(path), Rack());
}

}  // namespace
