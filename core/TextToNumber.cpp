#include <cmath>
#include <cstddef>
#include <string_view>

#include "core/TextToNumber.h"

namespace {

// A text of 255 characters never reaches this mantissa; longer texts keep
// their magnitude through a count of the digits left out, so nothing can
// overflow to infinity and turn a later scaling into a NaN.
constexpr long double kMantissaCeiling = 1e4000L;
// Far beyond the extended range in either direction; keeps the exponent
// arithmetic clear of integer overflow whatever the number of digits.
constexpr long long kExponentLimit = 1000000000000000LL;
// Every power of ten up to 10^27 is exact in the 64-bit extended mantissa.
constexpr int kExactPowers = 27;
// Dividing by more than this in one step would underflow the divisor's
// reciprocal range; larger scales are split.
constexpr long long kLargestSingleScale = 4900;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

long double PowerOfTen(long long exponent) {
    if (exponent <= kExactPowers) {
        long double power = 1.0L;
        for (long long i = 0; i < exponent; ++i) {
            power *= 10.0L;
        }
        return power;
    }
    return std::pow(10.0L, static_cast<long double>(exponent));
}

// mantissa × 10^exponent for a whole, non-negative mantissa. Division by an
// exact power keeps "25.125" as close as the extended format allows.
long double Scale(long double mantissa, long long exponent) {
    if (mantissa == 0.0L || std::isinf(mantissa)) {
        return mantissa;
    }
    if (exponent >= 0) {
        if (exponent > kLargestSingleScale) {
            return HUGE_VALL;  // a mantissa of at least 1 is beyond the range
        }
        return mantissa * PowerOfTen(exponent);
    }
    long long divisorExponent = -exponent;
    while (divisorExponent > kLargestSingleScale && mantissa != 0.0L) {
        mantissa /= PowerOfTen(kLargestSingleScale);
        divisorExponent -= kLargestSingleScale;
    }
    return mantissa / PowerOfTen(divisorExponent);
}

struct Mantissa {
    long double Value = 0.0L;
    long long IgnoredDigits = 0;

    void Add(char digit) {
        if (Value >= kMantissaCeiling) {
            ++IgnoredDigits;
            return;
        }
        long double shifted = Value * 10.0L;
        Value = shifted + static_cast<long double>(digit - '0');
    }
    // The digits read so far as one whole number.
    long double Whole() const { return Scale(Value, IgnoredDigits); }
};

}  // namespace

long double TextToNumber(std::string_view text) {
    const std::size_t end = text.size();
    std::size_t i = 0;
    while (i < end && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < end && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == end) {
        return 0.0L;
    }

    Mantissa mantissa;
    while (i < end && IsDigit(text[i])) {
        mantissa.Add(text[i++]);
    }
    long long decimals = 0;
    if (i < end && text[i] == '.') {
        ++i;
        while (i < end && IsDigit(text[i])) {
            mantissa.Add(text[i++]);
            ++decimals;
        }
    }
    long long exponent = 0;
    if (i < end && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < end && (text[i] == '-' || text[i] == '+')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        if (i == end || !IsDigit(text[i])) {
            return mantissa.Whole();
        }
        while (i < end && IsDigit(text[i])) {
            if (exponent < kExponentLimit) {
                exponent = exponent * 10 + (text[i] - '0');
            }
            ++i;
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    if (i != end) {
        return mantissa.Whole();
    }

    const long double value = Scale(mantissa.Value, exponent - decimals + mantissa.IgnoredDigits);
    return negative ? -value : value;
}

bool TextToNumberTakesWhole(std::string_view text) {
    const std::size_t end = text.size();
    std::size_t i = 0;
    while (i < end && text[i] == ' ') {
        ++i;
    }
    if (i < end && (text[i] == '-' || text[i] == '+')) {
        ++i;
    }
    while (i < end && IsDigit(text[i])) {
        ++i;
    }
    if (i < end && text[i] == '.') {
        ++i;
        while (i < end && IsDigit(text[i])) {
            ++i;
        }
    }
    if (i < end && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < end && (text[i] == '-' || text[i] == '+')) {
            ++i;
        }
        if (i == end || !IsDigit(text[i])) {
            return false;
        }
        while (i < end && IsDigit(text[i])) {
            ++i;
        }
    }
    return i == end;
}
