#include <gtest/gtest.h>

#include "core/stock/StockList.h"

namespace {

StockReading Read(std::vector<StockFileLine> lines, std::string endTrim = "") {
    StockFile file;
    file.Lines = std::move(lines);
    file.EndTrim = std::move(endTrim);
    return ReadStockList(file);
}

TEST(StockList, ReadsLengthsCountsAndCosts) {
    const StockReading reading =
        Read({{"2' 1 1/8", "3", "12.5", 2}, {"", " ", "", 3}, {"96", "", "0", 4}}, "1/2");
    ASSERT_FALSE(reading.Refused) << *reading.Refused;
    const StockList& stock = reading.Stock;
    ASSERT_EQ(stock.Lengths.size(), 2u);
    EXPECT_EQ(stock.Lengths[0].Length, 25.125f);
    EXPECT_EQ(stock.Lengths[0].OnHand, 3);
    EXPECT_EQ(stock.Lengths[0].Cost, 12.5);
    EXPECT_EQ(stock.Lengths[1].OnHand, std::nullopt);
    EXPECT_EQ(stock.Objective, StockObjective::LeastCost);
    EXPECT_FALSE(stock.MixedCosts);
    EXPECT_EQ(stock.Usable(0), 24.625f);
    EXPECT_EQ(stock.Worth(0), 12.5);
}

TEST(StockList, ObjectiveFollowsTheCosts) {
    EXPECT_EQ(Read({{"96", "", "", 1}, {"48", "2", "", 2}}).Stock.Objective,
              StockObjective::LeastLength);
    EXPECT_EQ(Read({{"96", "", "", 1}}).Stock.Worth(0), 96.0);
    EXPECT_TRUE(Read({{"96", "", "3", 1}, {"48", "2", "", 2}}).Stock.MixedCosts);
}

TEST(StockList, RefusesTheFirstLineThatDoesNotRead) {
    const struct {
        StockFileLine line;
        const char* refusal;
    } cases[] = {
        {{"abc", "", "", 7}, "Stock line 7: Length \"abc\" is not above 0"},
        {{"1/0", "", "", 2}, "Stock line 2: Length \"1/0\" is not above 0"},
        {{"96", "2.5", "", 3}, "Stock line 3: On Hand \"2.5\" is not a whole number of bars"},
        {{"96", "99999999999", "", 3},
         "Stock line 3: On Hand \"99999999999\" is not a whole number of bars"},
        {{"96", "-1", "", 3}, "Stock line 3: On Hand \"-1\" is not a whole number of bars"},
        {{"96", "1", "1,5", 4}, "Stock line 4: Cost \"1,5\" is not a number"},
        {{"96", "1", ".", 4}, "Stock line 4: Cost \".\" is not a number"},
    };
    for (const auto& c : cases) {
        const StockReading reading = Read({{"240", "1", "1", 1}, c.line});
        EXPECT_EQ(reading.Refused.value_or(""), c.refusal);
    }
    EXPECT_EQ(Read({{"240", "", "", 1}}, "1/0").Refused.value_or(""),
              "End Trim \"1/0\" is not a length");
}

}  // namespace
