#include "core/LengthNotation.h"

#include <cstddef>

#include "core/FloatStore.h"
#include "core/TextToNumber.h"
#include "model/Exceptions.h"
#include "model/Trim.h"

namespace {

constexpr std::size_t kMaxTextLength = 255;

// The characters from 1-based position `start` to the end; empty when the
// start lies beyond the end.
std::string From(const std::string& text, std::size_t start) {
    if (start < 1 || start > text.size()) {
        return std::string();
    }
    return text.substr(start - 1);
}

// The first `count` characters (all of them when the text is shorter).
std::string Head(const std::string& text, std::size_t count) {
    return text.substr(0, count);
}

// 1-based position of the first occurrence, 0 when there is none.
std::size_t Position(const std::string& text, char c) {
    const std::size_t found = text.find(c);
    return found == std::string::npos ? 0 : found + 1;
}

// The notation's own arithmetic: every number read and every step rounded to
// a 32-bit float and stored.
struct Rounded32 {
    using Number = float;
    static float Store(long double value) { return StoreAsFloat(value); }
};

// The value a text means, every step kept in extended precision, to tell what
// the 32-bit result loses.
struct Extended {
    using Number = long double;
    static long double Store(long double value) { return value; }
};

template <class Arithmetic>
typename Arithmetic::Number ReadNumber(const std::string& text, bool* whole) {
    if (whole != nullptr && !TextToNumberTakesWhole(text)) {
        *whole = false;
    }
    return Arithmetic::Store(TextToNumber(text));
}

template <class Arithmetic>
typename Arithmetic::Number Divide(typename Arithmetic::Number numerator,
                                   typename Arithmetic::Number denominator) {
    if (denominator == 0) {
        if (numerator == 0) {
            throw EInvalidOp();
        }
        throw EZeroDivide();
    }
    // Both operands are finite, so only the quotient's size can go wrong.
    return Arithmetic::Store(static_cast<long double>(numerator) / denominator);
}

template <class Arithmetic>
typename Arithmetic::Number Convert(std::string_view text, bool* whole = nullptr) {
    using Number = typename Arithmetic::Number;
    std::string w = Trim(Strip('A', '"', CutTo255(text)));

    Number fraction = 0;
    const std::size_t slash = Position(w, '/');
    if (slash > 0) {
        const Number denominator =
            ReadNumber<Arithmetic>(Strip('A', ' ', From(w, slash + 1)), whole);
        w = Head(w, slash - 1);
        // The numerator starts after the last blank before the slash, or at
        // the first character when there is none.
        std::size_t start = slash - 1;
        if (start >= 1) {
            while (w[start - 1] != ' ' && start != 1) {
                --start;
            }
        }
        w = Trim(w);
        const Number numerator = ReadNumber<Arithmetic>(Strip('A', ' ', From(w, start)), whole);
        w = Head(w, start);
        fraction = Divide<Arithmetic>(numerator, denominator);
        if (start == 1) {
            w = "0";  // the numerator took the whole text: no whole part remains
        }
    }

    Number feet = 0;
    const std::size_t apostrophe = Position(w, '\'');
    if (apostrophe > 0) {
        const Number feetNumber =
            ReadNumber<Arithmetic>(Strip('A', ' ', Head(w, apostrophe - 1)), whole);
        // The product of a float and 12 is exact in extended precision, so
        // this is the single rounding of a 32-bit multiplication.
        feet = Arithmetic::Store(static_cast<long double>(feetNumber) * 12.0L);
        w = From(w, apostrophe + 1);
    }

    w = Trim(w);
    Number inches = 0;
    if (!w.empty()) {
        inches = ReadNumber<Arithmetic>(w, whole);
    }

    long double sum = static_cast<long double>(feet) + inches;
    sum = sum + fraction;
    return Arithmetic::Store(sum);
}

}  // namespace

std::string Strip(char mode, char character, std::string_view text) {
    std::string result;
    switch (mode) {
        case 'A':
        case 'a':
            result.reserve(text.size());
            for (char c : text) {
                if (c != character) {
                    result.push_back(c);
                }
            }
            return result;
        case 'M':
        case 'm':
            result.assign(text);
            for (char& c : result) {
                if (c == character) {
                    c = ' ';
                }
            }
            return result;
        case 'L':
        case 'l': {
            const std::size_t first = text.find_first_not_of(character);
            return first == std::string_view::npos ? std::string()
                                                   : std::string(text.substr(first));
        }
        case 'R':
        case 'r': {
            const std::size_t last = text.find_last_not_of(character);
            return last == std::string_view::npos ? std::string()
                                                  : std::string(text.substr(0, last + 1));
        }
        case 'B':
        case 'b':
            return Strip('R', character, Strip('L', character, text));
        default:
            return std::string(text);
    }
}

std::string_view CutTo255(std::string_view text) {
    return text.substr(0, kMaxTextLength);
}

void ConvertFeet(std::string_view text, float& result) {
    result = Convert<Rounded32>(text);
}

float ConvertFeet(std::string_view text) {
    float result = 0.0f;
    ConvertFeet(text, result);
    return result;
}

long double ConvertFeetExtended(std::string_view text) {
    return Convert<Extended>(text);
}

bool ConvertFeetReadsWhole(std::string_view text) {
    bool whole = true;
    try {
        Convert<Extended>(text, &whole);
    } catch (const Exception&) {
        return true;
    }
    return whole;
}
