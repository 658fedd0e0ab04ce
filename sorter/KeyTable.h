#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One entry per index of the sorted range: where the row (column) stood before
// sorting, and its key text. Sorting moves entries only; the grid is rewritten
// from the finished table.
struct KeyEntry {
    std::int32_t Source = 0;
    std::string Key;
};

using KeyTable = std::vector<KeyEntry>;

// Letters a to z become A to Z; every other byte, accented letters included,
// stays as it is, so the order does not depend on any locale.
std::string UpperCaseAsciiLetters(std::string text);
