#include "core/stock/StockList.h"

#include <algorithm>
#include <cstdlib>

#include "core/FloatStore.h"
#include "core/LengthNotation.h"
#include "model/Exceptions.h"

namespace {

bool AllDigits(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<double> DecimalOf(const std::string& text) {
    const std::size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    const std::string part = point == std::string::npos ? std::string() : text.substr(point + 1);
    if ((whole.empty() && part.empty()) || !AllDigits(whole) || !AllDigits(part) ||
        text.size() > 30) {
        return std::nullopt;
    }
    return std::strtod(text.c_str(), nullptr);
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string AtLine(int line, const std::string& what) {
    return "Stock line " + std::to_string(line) + ": " + what;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// A length text as the planner reads it; nothing when it is not a length.
std::optional<float> LengthOf(const std::string& text) {
    try {
        return ConvertFeet(text);
    } catch (const EMathError&) {
        return std::nullopt;
    }
}

}  // namespace

float StockList::Usable(std::size_t line) const {
    const float length = Lengths[line].Length;
    return EndTrim > 0.0f ? StoreAsFloat(static_cast<long double>(length) - EndTrim) : length;
}

double StockList::Worth(std::size_t line) const {
    return Objective == StockObjective::LeastCost ? Lengths[line].Cost.value_or(0.0)
                                                  : static_cast<double>(Lengths[line].Length);
}

StockReading ReadStockList(const StockFile& file) {
    StockReading reading;
    StockList& stock = reading.Stock;
    int costed = 0;
    for (std::size_t index = 0; index < file.Lines.size(); ++index) {
        const StockFileLine& typed = file.Lines[index];
        const int line = typed.Line > 0 ? typed.Line : static_cast<int>(index) + 1;
        const std::string lengthText = Trimmed(typed.Length);
        const std::string onHand = Trimmed(typed.OnHand);
        const std::string cost = Trimmed(typed.Cost);
        if (lengthText.empty() && onHand.empty() && cost.empty()) {
            continue;
        }
        StockLength length;
        length.LengthText = lengthText;
        length.Line = line;
        length.FileIndex = index;
        const std::optional<float> value = LengthOf(lengthText);
        if (!value || !(*value > 0.0f)) {
            reading.Refused = AtLine(line, "Length " + Quoted(lengthText) + " is not above 0");
            return reading;
        }
        length.Length = *value;
        if (!onHand.empty()) {
            if (!AllDigits(onHand) || onHand.size() > 10 ||
                std::strtoll(onHand.c_str(), nullptr, 10) > kMostBarsOnHand) {
                reading.Refused =
                    AtLine(line, "On Hand " + Quoted(onHand) + " is not a whole number of bars");
                return reading;
            }
            length.OnHand = std::strtoll(onHand.c_str(), nullptr, 10);
        }
        if (!cost.empty()) {
            length.Cost = DecimalOf(cost);
            if (!length.Cost) {
                reading.Refused = AtLine(line, "Cost " + Quoted(cost) + " is not a number");
                return reading;
            }
            ++costed;
        }
        stock.Lengths.push_back(std::move(length));
    }
    stock.MixedCosts = costed > 0 && costed < static_cast<int>(stock.Lengths.size());
    stock.Objective = costed == static_cast<int>(stock.Lengths.size()) && costed > 0
                          ? StockObjective::LeastCost
                          : StockObjective::LeastLength;
    const std::string trim = Trimmed(file.EndTrim);
    if (!trim.empty()) {
        const std::optional<float> value = LengthOf(trim);
        if (!value || !(*value >= 0.0f)) {
            reading.Refused = "End Trim " + Quoted(trim) + " is not a length";
            return reading;
        }
        stock.EndTrim = *value;
    }
    return reading;
}
