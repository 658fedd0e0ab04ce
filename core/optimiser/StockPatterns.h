#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/optimiser/PieceTypes.h"
#include "core/stock/StockList.h"

// Bars cut to one pattern from one stock line.
struct StockPattern {
    std::int32_t Stock = 0;  // index into the stock list's lengths
    Pattern Bar;             // entries by type index, longest first
    std::int64_t Bars = 0;
};

// The stock a job may draw on: each line's usable length, worth and the bars
// still on hand.
struct StockRack {
    std::vector<float> Usable;
    std::vector<double> Worth;
    std::vector<std::int64_t> OnHand;  // kUnlimited where none is given

    static constexpr std::int64_t kUnlimited = INT64_MAX / 4;
    StockRack() = default;
    explicit StockRack(const StockList& stock);
    std::size_t Size() const { return Usable.size(); }
};

// The plan's objective and bars.
double WorthOf(const std::vector<StockPattern>& uses, const StockRack& rack);
std::int64_t BarsOf(const std::vector<StockPattern>& uses);

// How two plans compare: the objective, then the bars, then the sum of the
// squared leftovers (more is better: one long rather than several short).
struct StockPlanKey {
    double Worth = 0.0;
    std::int64_t Bars = 0;
    double Gathered = 0.0;
    bool operator<(const StockPlanKey& other) const;
};
StockPlanKey KeyOf(const std::vector<StockPattern>& uses, const PieceTypes& types,
                   const StockRack& rack);
