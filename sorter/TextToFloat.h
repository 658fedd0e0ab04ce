#pragma once

#include <optional>
#include <string>
#include <string_view>

// Reads a text as an extended-precision number: leading and trailing spaces,
// an optional sign, decimal digits with an optional fraction after the given
// decimal separator, and an optional exponent ("E" or "e", optional sign,
// digits). Anything else, or a value out of range, gives no number.
std::optional<long double> TryTextToFloat(std::string_view text, char decimalSeparator);

// As TryTextToFloat, but a text that is no number raises EConvertError with
// "'<text>' is not a valid floating point value".
long double TextToFloat(const std::string& text, char decimalSeparator);
