#pragma once

#include <string_view>

// The lenient reading of one number that the length notation relies on (see
// the notation's rules): malformed text is never refused, and a number beyond
// the extended range reads as an infinity.
long double TextToNumber(std::string_view text);

// Whether that reading takes the text whole: false when it stops at a
// character that does not fit a number ("12.5 in", "1250,5", "8c") and so
// reads less than the text shows.
bool TextToNumberTakesWhole(std::string_view text);
