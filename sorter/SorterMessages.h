#pragma once

#include <cstdint>
#include <string>

// The fixed text the sorter leaves in ErrorMessage for each result code.
// Unknown codes give an empty text.
std::string SorterMessage(std::int32_t errorCode);
