#include "io/stock/CsvLine.h"

std::optional<std::vector<std::string>> SplitCsvLine(std::string_view line) {
    std::vector<std::string> fields(1);
    std::size_t at = 0;
    while (at <= line.size()) {
        std::string& field = fields.back();
        if (at < line.size() && line[at] == '"' &&
            field.find_first_not_of(' ') == std::string::npos) {
            field.clear();
            ++at;
            for (;;) {
                if (at >= line.size()) {
                    return std::nullopt;
                }
                if (line[at] == '"') {
                    if (at + 1 < line.size() && line[at + 1] == '"') {
                        field += '"';
                        at += 2;
                        continue;
                    }
                    ++at;
                    break;
                }
                field += line[at++];
            }
            while (at < line.size() && line[at] == ' ') {
                ++at;
            }
            if (at < line.size() && line[at] != ',') {
                return std::nullopt;
            }
        }
        if (at >= line.size()) {
            break;
        }
        if (line[at] == ',') {
            fields.emplace_back();
        } else {
            field += line[at];
        }
        ++at;
    }
    return fields;
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    quoted += '"';
    return quoted;
}
