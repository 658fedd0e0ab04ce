#include "io/job/CutListCsv.h"

#include <algorithm>

#include "io/ByteSource.h"
#include "io/ReplaceFile.h"
#include "model/GridLayout.h"
#include "model/Trim.h"

namespace {

constexpr int kCsvColumns = 3;  // Qty, Length, Item #

std::string Field(const std::string& text) {
    const bool quoted = text.find_first_of(",;\"") != std::string::npos ||
                        (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quoted) {
        return text;
    }
    std::string field = "\"";
    for (const char c : text) {
        field += c;
        if (c == '"') {
            field += '"';
        }
    }
    return field + '"';
}

char SeparatorOf(std::string_view text) {
    const std::string_view firstLine = text.substr(0, text.find_first_of("\r\n"));
    // "2;12,5;A": the decimal comma is no separator where semicolons are.
    const auto semicolons = std::count(firstLine.begin(), firstLine.end(), ';');
    const auto commas = std::count(firstLine.begin(), firstLine.end(), ',');
    return semicolons > commas ? ';' : ',';
}

bool IsHeading(const std::vector<std::string>& row) {
    std::string first = row.empty() ? std::string() : Trim(row.front());
    std::transform(first.begin(), first.end(), first.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return first == "qty";
}

}  // namespace

std::string FormatCutListCsv(const TStringGrid& cutList) {
    int lastRow = kFirstDataRow - 1;
    for (int row = kFirstDataRow; row < cutList.RowCount(); ++row) {
        for (int col = 0; col < kCsvColumns; ++col) {
            if (!cutList.Cells(col, row).empty()) {
                lastRow = row;
            }
        }
    }
    std::string text = "Qty,Length,Item #\r\n";
    for (int row = kFirstDataRow; row <= lastRow; ++row) {
        for (int col = 0; col < kCsvColumns; ++col) {
            if (col > 0) {
                text += ',';
            }
            text += Field(cutList.Cells(col, row));
        }
        text += "\r\n";
    }
    return text;
}

CsvRows ParseCutListCsv(std::string_view text) {
    const char separator = SeparatorOf(text);
    CsvRows rows;
    std::vector<std::string> row;
    std::string field;
    bool inQuotes = false;
    bool rowOpen = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inQuotes) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                inQuotes = false;
            } else {
                field += (c == '\r' || c == '\n' || c == '\t') ? ' ' : c;
            }
        } else if (c == '"') {
            inQuotes = true;
            rowOpen = true;
        } else if (c == separator) {
            row.push_back(std::move(field));
            field.clear();
            rowOpen = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            row.push_back(std::move(field));
            rows.push_back(std::move(row));
            field.clear();
            row.clear();
            rowOpen = false;
        } else {
            field += c == '\t' ? ' ' : c;
            rowOpen = true;
        }
    }
    if (rowOpen) {
        row.push_back(std::move(field));
        rows.push_back(std::move(row));
    }
    if (!rows.empty() && IsHeading(rows.front())) {
        rows.erase(rows.begin());
    }
    return rows;
}

CsvRows ReadCutListCsv(const std::string& path) {
    FileByteSource file(path);
    LimitedByteSource source(file, kMaxCsvBytes, "File too large for a cut list");
    std::string text;
    char buffer[65536];
    while (const std::size_t read = source.Read(buffer, sizeof buffer)) {
        text.append(buffer, read);
    }
    return ParseCutListCsv(text);
}

void WriteCutListCsv(const std::string& path, const TStringGrid& cutList) {
    ReplaceFileContents(path, FormatCutListCsv(cutList));
}
