#include "sorter/TextToFloat.h"

#include <charconv>
#include <cstddef>
#include <system_error>

#include "model/Exceptions.h"

namespace {

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

// Copies a run of decimal digits from text at pos into out; returns how many.
std::size_t CopyDigits(std::string_view text, std::size_t& pos, std::string& out) {
    const std::size_t start = pos;
    while (pos < text.size() && IsDecimalDigit(text[pos])) {
        out.push_back(text[pos]);
        ++pos;
    }
    return pos - start;
}

}  // namespace

std::optional<long double> TryTextToFloat(std::string_view text, char decimalSeparator) {
    // The text is rewritten in the neutral form that std::from_chars reads, so
    // the process locale (which a window toolkit may change) plays no part.
    std::string neutral;
    neutral.reserve(text.size() + 2);
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        if (text[pos] == '-') {
            neutral.push_back('-');
        }
        ++pos;
    }
    std::size_t mantissaDigits = CopyDigits(text, pos, neutral);
    // Digits come first, so a separator that is itself a digit reads as a digit.
    if (pos < text.size() && text[pos] == decimalSeparator) {
        ++pos;
        neutral.push_back('.');
        mantissaDigits += CopyDigits(text, pos, neutral);
    }
    if (mantissaDigits == 0) {
        return std::nullopt;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        neutral.push_back('e');
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            neutral.push_back(text[pos]);
            ++pos;
        }
        if (CopyDigits(text, pos, neutral) == 0) {
            return std::nullopt;
        }
    }
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    long double value = 0.0L;
    const char* first = neutral.data();
    const char* last = neutral.data() + neutral.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last) {
        return std::nullopt;
    }
    return value;
}

long double TextToFloat(const std::string& text, char decimalSeparator) {
    const std::optional<long double> value = TryTextToFloat(text, decimalSeparator);
    if (!value) {
        throw EConvertError("'" + text + "' is not a valid floating point value");
    }
    return *value;
}
