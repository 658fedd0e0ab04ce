#pragma once

#include <string>
#include <string_view>
#include <vector>

// One line of a stock file as typed: a bar length in length notation, the
// bars on hand (blank: as many as needed) and the cost of one bar (blank:
// none). Line is the line of the file it was read from, 0 for a line that was
// never read from one.
struct StockFileLine {
    std::string Length;
    std::string OnHand;
    std::string Cost;
    int Line = 0;
    bool operator==(const StockFileLine&) const = default;
};

// The stock on hand as its file keeps it: CSV that a spreadsheet opens, the
// header "Length,On Hand,Cost", one line per stock length, and the length
// taken off each bar before cutting on a line of its own, "End Trim,<length>,"
// (left out while it is blank).
struct StockFile {
    std::vector<StockFileLine> Lines;
    std::string EndTrim;
    bool operator==(const StockFile&) const = default;
};

inline constexpr const char* kStockFileHeader = "Length,On Hand,Cost";
inline constexpr const char* kEndTrimLabel = "End Trim";
// No stock file comes near this; a larger source is refused unread.
inline constexpr std::size_t kMaxStockFileBytes = 4 * 1024 * 1024;

// The file's text, CR LF line ends; a field holding a comma or a quote is
// quoted.
std::string FormatStockFile(const StockFile& stock);

// Reads the text of a stock file: blank lines are skipped, fields may be
// quoted, trailing empty fields may be missing. A line that does not read
// throws EInOutError with a message that names it. The texts are kept as
// they stand; what they mean is the stock list's to judge.
StockFile ParseStockFile(std::string_view bytes);

// Throws EInOutError with the system's text, or as ParseStockFile does.
StockFile ReadStockFile(const std::string& path);
// Replaces the file safely: a failed save leaves the old file as it was.
void WriteStockFile(const std::string& path, const StockFile& stock);
