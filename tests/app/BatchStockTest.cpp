#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "MiniJson.h"
#include "RunTool.h"

namespace {

const std::string Shelf = ExamplePath("shelf-brackets.txt");

class StockDir {
  public:
    StockDir() {
        std::string pattern = "/tmp/velmar-stock-test-XXXXXX";
        path_ = ::mkdtemp(pattern.data());
    }
    ~StockDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string Write(const std::string& bytes) const {
        const std::string path = (path_ / "stock.csv").string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::string Read() const {
        std::ifstream in(path_ / "stock.csv", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

  private:
    std::filesystem::path path_;
};

double Number(const JsonValue& value) {
    return std::strtod(value.text.c_str(), nullptr);
}

// The shelf brackets (3 x 96, 2 x 48, 4 x 30, cut width 0.125) from two
// costed lengths trimmed by 1.5: every piece is planned once, each bar holds
// its pieces after the trim, and the totals add up from the bars.
TEST(BatchStock, JsonPlanAddsUp) {
    StockDir dir;
    const std::string stock =
        dir.Write("Length,On Hand,Cost\r\n240,2,10\r\n144,3,5.5\r\nEnd Trim,1.5,\r\n");
    const ToolRun run = RunBatchTool({"--json", "--stock", stock, Shelf});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::optional<JsonValue> json = ParseJson(run.out);
    ASSERT_TRUE(json) << run.out;
    std::vector<double> pieces;
    double stockLength = 0.0;
    for (const JsonValue& bar : json->members.at("plan").items) {
        double used = 0.0;
        for (const JsonValue& piece : bar.members.at("pieces").items) {
            pieces.push_back(Number(piece));
            used += Number(piece) + 0.125;
        }
        const double length = Number(bar.members.at("stockLength"));
        EXPECT_LE(used, length - 1.5);
        EXPECT_NEAR(Number(bar.members.at("leftover")), length - 1.5 - used, 1e-3);
        stockLength += length;
    }
    std::sort(pieces.begin(), pieces.end());
    EXPECT_EQ(pieces, (std::vector<double>{30, 30, 30, 30, 48, 48, 96, 96, 96}));
    double cost = 0.0;
    for (const JsonValue& used : json->members.at("stockUsed").items) {
        const double length = Number(used.members.at("stockLength"));
        const double bars = Number(used.members.at("bars"));
        EXPECT_LE(bars, length == 240.0 ? 2 : 3);
        cost += bars * (length == 240.0 ? 10.0 : 5.5);
    }
    EXPECT_DOUBLE_EQ(Number(json->members.at("totalCost")), cost);
    EXPECT_DOUBLE_EQ(Number(json->members.at("totalStockLength")), stockLength);
    EXPECT_DOUBLE_EQ(Number(json->members.at("endTrim")), 1.5);
    EXPECT_EQ(json->members.at("method").text, "stock");
}

TEST(BatchStock, ReportNamesTheStockOfEveryBar) {
    StockDir dir;
    const std::string stock = dir.Write("Length,On Hand,Cost\n20',,\n");
    const ToolRun run = RunBatchTool({"--stock", stock, Shelf});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> lines = SplitLines(run.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "Bar 1 ________________ from 20'");
    const auto bars = std::count_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.starts_with("Bar ");
    });
    const auto has = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_TRUE(has("Bars of Stock Length 20' = " + std::to_string(bars)));
    char text[64];
    std::snprintf(text, sizeof text, "Total Stock Length %.3f", 240.0 * bars);
    EXPECT_TRUE(has(text));
    // The pieces are 504 long in all, the cut widths not counted.
    std::snprintf(text, sizeof text, "Yield %.2f %%", 100.0 * 504.0 / (240.0 * bars));
    EXPECT_TRUE(has(text)) << text;
    EXPECT_FALSE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.starts_with("Total Cost");
    }));
}

TEST(BatchStock, TakingFromStockLowersOnHandAndKeepsOffcuts) {
    StockDir dir;
    const std::string stock = dir.Write("Length,On Hand,Cost\r\n240,5,\r\n");
    const ToolRun run = RunBatchTool({"--json", "--stock", stock, "--take-from-stock", Shelf});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::optional<JsonValue> json = ParseJson(run.out);
    ASSERT_TRUE(json);
    std::string expected = "Length,On Hand,Cost\r\n240," +
                           std::to_string(5 - json->members.at("plan").items.size()) + ",\r\n";
    for (const JsonValue& bar : json->members.at("plan").items) {
        if (Number(bar.members.at("leftover")) >= 20.0) {
            char line[64];
            std::snprintf(line, sizeof line, "%.3f,1,\r\n", Number(bar.members.at("leftover")));
            expected += line;
        }
    }
    EXPECT_EQ(dir.Read(), expected);
}

TEST(BatchStock, ExitStatusOfRefusalsAndUnreadableStock) {
    const struct {
        const char* stock;
        int exitCode;
        const char* err;
    } cases[] = {
        {"Length,On Hand,Cost\r\n240,1,\r\n", 1, "Not enough stock on hand: no bar is left for"},
        {"Length,On Hand,Cost\r\n240,,2\r\n120,,\r\n", 1, "Give every stock length a cost"},
        {"Length,On Hand,Cost\r\n90,,\r\n", 1, "Bar Length less than Cut length"},
        {"Length,On Hand,Cost\r\n240,,\r\n120,two,\r\n", 2, "Stock line 3: On Hand \"two\""},
        {"Length,Count\r\n", 2, "Line 1 of the stock file"},
    };
    for (const auto& c : cases) {
        StockDir dir;
        const ToolRun run = RunBatchTool({"--stock", dir.Write(c.stock), Shelf});
        EXPECT_EQ(run.exitCode, c.exitCode) << c.stock;
        EXPECT_EQ(run.err.rfind(c.err, 0), 0u) << run.err;
    }
}

}  // namespace
