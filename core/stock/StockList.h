#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Refusals.h"
#include "io/stock/StockFile.h"

// One stock length ready for planning: the length as typed and as a 32-bit
// decimal length, the bars on hand (none: as many as needed) and the cost of
// one bar (none: not costed).
struct StockLength {
    std::string LengthText;
    float Length = 0.0f;
    std::optional<std::int64_t> OnHand;
    std::optional<double> Cost;
    int Line = 0;               // where it was typed, for messages
    std::size_t FileIndex = 0;  // its line in the stock file's Lines
};

// What the planner minimises: the total cost when every stock length has a
// cost, the total length of stock cut when none has.
enum class StockObjective { LeastCost, LeastLength };

struct StockList {
    std::vector<StockLength> Lengths;
    float EndTrim = 0.0f;  // taken off each bar before cutting
    StockObjective Objective = StockObjective::LeastLength;
    bool MixedCosts = false;  // some lines have a cost, some none: the planner refuses

    // The length a bar of the stock line holds, after its end trim.
    float Usable(std::size_t line) const;
    // What a bar of the line adds to the objective.
    double Worth(std::size_t line) const;
};

// More bars on hand than this are taken as typing errors.
inline constexpr std::int64_t kMostBarsOnHand = 1000000000;

struct StockReading {
    Refusal Refused;  // names the line that cannot be used
    StockList Stock;
};

// Reads the stock lines' texts: a length in length notation above 0, On Hand
// blank or a whole number, Cost blank or a decimal number. Lines whose three
// texts are blank are skipped. Refused at the first line that does not read.
StockReading ReadStockList(const StockFile& file);
