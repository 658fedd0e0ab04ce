#include "sorter/WholeNumberText.h"

#include <cstddef>
#include <cstdint>

namespace {

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
    return IsDecimalDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// One or more hexadecimal digits; leading zeros do not count towards the eight
// a 32-bit value can hold.
bool IsHexDigits(std::string_view digits) {
    if (digits.empty()) {
        return false;
    }
    std::size_t significant = 0;
    for (char c : digits) {
        if (!IsHexDigit(c)) {
            return false;
        }
        if (significant > 0 || c != '0') {
            ++significant;
        }
    }
    return significant <= 8;
}

bool IsSignedDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return false;
    }
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (char c : text) {
        if (!IsDecimalDigit(c)) {
            return false;
        }
        value = value * 10 + (c - '0');
        // Leading zeros keep the value small, so any length of them passes.
        if (value > limit) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool IsWholeNumberText(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && text[start] == ' ') {
        ++start;
    }
    text.remove_prefix(start);
    if (text.empty()) {
        return false;
    }
    if (text.front() == '$' || text.front() == 'x' || text.front() == 'X') {
        return IsHexDigits(text.substr(1));
    }
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        return IsHexDigits(text.substr(2));
    }
    return IsSignedDecimal(text);
}
