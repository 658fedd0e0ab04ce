#include "core/notation/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr int kPrecision = 7;
// 10^7: a rounded value this large no longer fits the precision in fixed
// notation and is written in scientific notation instead.
constexpr long double kFixedLimit = 1e7L;

long double PowerOfTen(int exponent) {
    long double power = 1.0L;
    for (int i = 0; i < exponent; ++i) {
        power *= 10.0L;
    }
    return power;
}

// The exact decimal digits of a whole, non-negative extended value.
std::string WholeDigits(long double whole) {
    char buffer[400];  // a double has at most 309 whole digits
    std::snprintf(buffer, sizeof buffer, "%.0Lf", whole);
    return buffer;
}

// Number of digits before the decimal point of a magnitude in [1, 10^7).
int IntegerDigits(long double magnitude) {
    int digits = 1;
    while (digits < kPrecision && magnitude >= PowerOfTen(digits)) {
        ++digits;
    }
    return digits;
}

// "1.234568E+8": 7 significant digits of a magnitude of at least 10^7 after
// rounding, halves away from zero. Only the whole part matters here: the
// rounding digit lies at or left of the units.
std::string Scientific(long double magnitude, char decimalSeparator) {
    std::string digits = WholeDigits(std::trunc(magnitude));
    int exponent = static_cast<int>(digits.size()) - 1;
    std::string kept = digits.substr(0, kPrecision);
    kept.resize(kPrecision, '0');
    if (digits.size() > kPrecision && digits[kPrecision] >= '5') {
        int i = kPrecision - 1;
        while (i >= 0 && kept[i] == '9') {
            kept[i--] = '0';
        }
        if (i < 0) {
            kept.insert(kept.begin(), '1');
            kept.pop_back();
            ++exponent;
        } else {
            ++kept[i];
        }
    }
    return kept.substr(0, 1) + decimalSeparator + kept.substr(1) + "E+" + std::to_string(exponent);
}

// Fixed notation with `decimals` decimals (0 to 3) at precision 7: the value
// is rounded to the coarser of 7 significant digits and `decimals` decimals,
// halves away from zero, from its exact binary value.
std::string Fixed(double value, int decimals, char decimalSeparator) {
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    const long double magnitude = std::fabs(static_cast<long double>(value));
    std::string sign = value < 0 ? "-" : "";
    if (magnitude >= kFixedLimit) {
        return sign + Scientific(magnitude, decimalSeparator);
    }

    // Where the 7 significant digits end, as a number of decimals; it only
    // matters when it is coarser than the decimals asked for.
    int roundingDecimals = decimals;
    if (magnitude >= 1.0L) {
        roundingDecimals = std::min(decimals, kPrecision - IntegerDigits(magnitude));
    }
    // A double below 10^7 times at most 10^3 needs at most 63 bits, so the
    // scaled value is exact and roundl's halves-away rule sees the true digits.
    long double units = std::round(magnitude * PowerOfTen(roundingDecimals));
    units *= PowerOfTen(decimals - roundingDecimals);
    if (units >= kFixedLimit * PowerOfTen(decimals)) {
        return sign + Scientific(units / PowerOfTen(decimals), decimalSeparator);
    }
    if (units == 0.0L) {
        sign.clear();  // no "-0.000"
    }

    std::string digits = WholeDigits(units);
    if (digits.size() <= static_cast<std::size_t>(decimals)) {
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    }
    if (decimals > 0) {
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, decimalSeparator);
    }
    return sign + digits;
}

}  // namespace

std::string FormatLength(float value, char decimalSeparator) {
    return Fixed(value, 3, decimalSeparator);
}

std::string FormatCount(double value, char decimalSeparator) {
    // Bar numbers and piece counts are whole and short: their digits are the
    // whole text, without the general rounding a report of millions of bars
    // would spend most of its time in.
    if (value == std::trunc(value) && std::fabs(value) < static_cast<double>(kFixedLimit)) {
        return std::to_string(static_cast<long>(value));
    }
    return Fixed(value, 0, decimalSeparator);
}

std::string FormatWhole(float value) {
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    const long double whole = std::round(std::fabs(static_cast<long double>(value)));
    if (whole == 0.0L) {
        return "0";
    }
    return (value < 0 ? "-" : "") + WholeDigits(whole);
}
