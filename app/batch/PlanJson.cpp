#include "app/batch/PlanJson.h"

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace {

// The shortest decimal that reads back as the same 32-bit value, as JSON
// has it: always with a fraction, never an infinity.
std::string Number(double value, bool single) {
    if (!std::isfinite(value)) {
        return "null";
    }
    char text[64];
    const auto end = single ? std::to_chars(text, text + sizeof text, static_cast<float>(value)).ptr
                            : std::to_chars(text, text + sizeof text, value).ptr;
    std::string number(text, end);
    if (number.find_first_of(".e") == std::string::npos) {
        number += ".0";
    }
    return number;
}

}  // namespace

void WritePlanJson(std::ostream& out, const CuttingPlan* plan) {
    out << ",\n\"plan\": ";
    if (plan == nullptr) {
        out << "null";
        return;
    }
    out << '[';
    const bool fromStock = !plan->BarStock.empty();
    const char* separator = "\n  ";
    for (std::size_t b = 0; b < plan->Bars.size(); ++b) {
        const PlannedBar& bar = plan->Bars[b];
        const float length = fromStock ? plan->StockOf(b).Length : plan->BarLength;
        out << separator << "{\"stockLength\": " << Number(length, true) << ", \"pieces\": [";
        const char* pieceSeparator = "";
        for (const PieceRun& run : plan->RunsOf(bar)) {
            const std::string piece = Number(plan->RowOf(run).Decimal, true);
            for (std::int32_t p = 0; p < run.Count; ++p) {
                out << pieceSeparator << piece;
                pieceSeparator = ", ";
            }
        }
        out << "], \"leftover\": " << Number(bar.Left, true) << '}';
        separator = ",\n  ";
    }
    out << "\n]";
    if (!fromStock) {
        return;
    }
    std::vector<std::int64_t> bars(plan->Stock.size(), 0);
    for (const std::int32_t stock : plan->BarStock) {
        ++bars[static_cast<std::size_t>(stock)];
    }
    double cost = 0.0;
    double stockLength = 0.0;
    bool costed = true;
    out << ",\n\"stockUsed\": [";
    separator = "";
    for (std::size_t s = 0; s < plan->Stock.size(); ++s) {
        if (bars[s] == 0) {
            continue;
        }
        out << separator << "{\"stockLength\": " << Number(plan->Stock[s].Length, true)
            << ", \"bars\": " << bars[s] << '}';
        separator = ", ";
        costed = costed && plan->Stock[s].Cost.has_value();
        cost += plan->Stock[s].Cost.value_or(0.0) * static_cast<double>(bars[s]);
        stockLength += static_cast<double>(plan->Stock[s].Length) * static_cast<double>(bars[s]);
    }
    out << "],\n\"totalCost\": " << (costed ? Number(cost, false) : "null")
        << ",\n\"totalStockLength\": " << Number(stockLength, false)
        << ",\n\"endTrim\": " << Number(plan->EndTrim, true);
}
