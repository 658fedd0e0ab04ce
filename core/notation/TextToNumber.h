#pragma once

#include <string_view>

// The lenient reading of one number that the length notation relies on (see
// the notation's rules): malformed text is never refused, and a number beyond
// the extended range reads as an infinity.
long double TextToNumber(std::string_view text);
