#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/TStringGrid.h"

// The cut list as comma-separated values, for a spreadsheet: a heading row
// "Qty,Length,Item #", then the data rows up to the last one that holds
// text, the three input columns of each. Fields holding a comma, a quote,
// a semicolon or blanks at either end are quoted.

using CsvRows = std::vector<std::vector<std::string>>;

std::string FormatCutListCsv(const TStringGrid& cutList);

// The rows of a CSV text: fields separated by commas, or by semicolons when
// the first line holds more of them than commas, as spreadsheets in regions
// with a decimal comma write them. Quoted fields may hold separators, quotes
// (doubled) and line breaks; a line break inside a field reads as a blank,
// since no cell holds one. A first row headed "Qty" is the heading and left
// out.
CsvRows ParseCutListCsv(std::string_view text);

// No cut list file comes near this; a larger one is refused.
inline constexpr std::size_t kMaxCsvBytes = 4 * 1024 * 1024;

// Read and written as single-byte text; throw EInOutError as the job file's
// reading and writing do.
CsvRows ReadCutListCsv(const std::string& path);
void WriteCutListCsv(const std::string& path, const TStringGrid& cutList);
