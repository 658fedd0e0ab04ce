#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The fields of one CSV line: separated by commas, a field in double quotes
// may hold commas and doubled quotes. Empty when a quote is left open or text
// follows a closing quote.
std::optional<std::vector<std::string>> SplitCsvLine(std::string_view line);

// The field as CSV writes it: quoted when it holds a comma, a quote or a line
// end.
std::string CsvField(std::string_view text);
