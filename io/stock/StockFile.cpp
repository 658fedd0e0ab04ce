#include "io/stock/StockFile.h"

#include <algorithm>

#include "io/ByteSource.h"
#include "io/ReplaceFile.h"
#include "io/stock/CsvLine.h"
#include "model/Exceptions.h"

namespace {

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

[[noreturn]] void Refuse(int line, const std::string& what) {
    throw EInOutError("Line " + std::to_string(line) + " of the stock file: " + what);
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::vector<std::string_view> LinesOf(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        bytes.remove_prefix(end + 1);
    }
    return lines;
}

std::vector<std::string> FieldsOf(std::string_view text, int line) {
    auto fields = SplitCsvLine(text);
    if (!fields) {
        Refuse(line, "a quoted field is not closed properly");
    }
    for (std::string& field : *fields) {
        field = Trimmed(field);
    }
    // Spreadsheets may leave out trailing empty fields or add some.
    while (fields->size() > 3 && fields->back().empty()) {
        fields->pop_back();
    }
    if (fields->size() > 3) {
        Refuse(line, "more than the three fields Length, On Hand and Cost");
    }
    fields->resize(3);
    return *fields;
}

}  // namespace

std::string FormatStockFile(const StockFile& stock) {
    std::string text = std::string(kStockFileHeader) + "\r\n";
    for (const StockFileLine& line : stock.Lines) {
        text += CsvField(line.Length) + "," + CsvField(line.OnHand) + "," + CsvField(line.Cost) +
                "\r\n";
    }
    if (!stock.EndTrim.empty()) {
        text += std::string(kEndTrimLabel) + "," + CsvField(stock.EndTrim) + ",\r\n";
    }
    return text;
}

StockFile ParseStockFile(std::string_view bytes) {
    const std::vector<std::string_view> lines = LinesOf(bytes);
    if (lines.empty() ||
        FieldsOf(lines[0], 1) != std::vector<std::string>{"Length", "On Hand", "Cost"}) {
        Refuse(1, "the first line is not the header " + Quoted(kStockFileHeader));
    }
    StockFile stock;
    for (std::size_t index = 1; index < lines.size(); ++index) {
        const int number = static_cast<int>(index + 1);
        if (Trimmed(lines[index]).empty()) {
            continue;
        }
        const std::vector<std::string> fields = FieldsOf(lines[index], number);
        if (fields[0] == kEndTrimLabel) {
            stock.EndTrim = fields[1];
            continue;
        }
        if (fields[0].empty()) {
            Refuse(number, "the Length is blank");
        }
        stock.Lines.push_back({fields[0], fields[1], fields[2], number});
    }
    return stock;
}

StockFile ReadStockFile(const std::string& path) {
    FileByteSource file(path);
    LimitedByteSource source(file, kMaxStockFileBytes, "File too large for a stock file");
    std::string bytes;
    char buffer[65536];
    while (const std::size_t got = source.Read(buffer, sizeof buffer)) {
        bytes.append(buffer, got);
    }
    return ParseStockFile(bytes);
}

void WriteStockFile(const std::string& path, const StockFile& stock) {
    ReplaceFileContents(path, FormatStockFile(stock));
}
