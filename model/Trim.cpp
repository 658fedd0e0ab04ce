#include "model/Trim.h"

#include <cstddef>

namespace {
// Compared as unsigned, so Latin-1 letters above 127 never count as blanks.
bool IsTrimmed(char c) {
    return static_cast<unsigned char>(c) <= 32;
}
}  // namespace

std::string Trim(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsTrimmed(text[first])) {
        ++first;
    }
    while (last > first && IsTrimmed(text[last - 1])) {
        --last;
    }
    return std::string(text.substr(first, last - first));
}
