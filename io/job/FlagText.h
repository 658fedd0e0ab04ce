#pragma once

#include <string>
#include <string_view>

// Flags are stored as "1" and "0". Hand-edited files may carry blanks or
// control characters around the digit, so those are ignored when reading;
// anything else than a lone "1" counts as not set.
bool IsSetFlag(std::string_view text);
inline std::string FlagText(bool set) {
    return set ? "1" : "0";
}
