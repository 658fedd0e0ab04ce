#include "io/settings/ProfileText.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

std::string_view TrimBlanks(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

// Accepts CR LF, LF and CR line ends alike.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

// The name of a "[Section]" line.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = TrimBlanks(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    line.remove_prefix(1);
    const std::size_t close = line.find(']');
    return TrimBlanks(line.substr(0, close));
}

struct Entry {
    std::string_view Key;
    std::string_view Value;
};

std::optional<Entry> EntryOf(std::string_view line) {
    const std::string_view trimmed = TrimBlanks(line);
    if (trimmed.empty() || trimmed.front() == ';') {
        return std::nullopt;
    }
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return Entry{TrimBlanks(trimmed.substr(0, equals)), TrimBlanks(trimmed.substr(equals + 1))};
}

// Where one section's lines stand: its heading and the line after its last one.
struct SectionRange {
    std::size_t heading = 0;
    std::size_t end = 0;
};

std::optional<SectionRange> FindSection(const std::vector<std::string_view>& lines,
                                        std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(lines[i]);
        if (name && SameName(*name, section)) {
            std::size_t end = i + 1;
            while (end < lines.size() && !SectionName(lines[end])) {
                ++end;
            }
            return SectionRange{i, end};
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<std::string_view>& lines,
                                   const SectionRange& range, std::string_view key) {
    for (std::size_t i = range.heading + 1; i < range.end; ++i) {
        const auto entry = EntryOf(lines[i]);
        if (entry && SameName(entry->Key, key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

}  // namespace

std::string ProfileValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view defaultValue) {
    const std::vector<std::string_view> lines = SplitLines(text);
    std::string_view value = defaultValue;
    if (const auto range = FindSection(lines, section)) {
        if (const auto line = FindKey(lines, *range, key)) {
            value = EntryOf(lines[*line])->Value;
        }
    }
    return std::string(value.substr(0, kMaxProfileValueLength));
}

std::string WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value) {
    const std::vector<std::string_view> views = SplitLines(text);
    std::vector<std::string> lines(views.begin(), views.end());
    std::string entry = std::string(key) + "=" + std::string(value);

    const auto range = FindSection(views, section);
    if (!range) {
        // A blank line keeps the new section apart from the one before it.
        if (!lines.empty() && !TrimBlanks(lines.back()).empty()) {
            lines.emplace_back();
        }
        std::string heading = "[";
        heading += section;
        heading += ']';
        lines.push_back(std::move(heading));
        lines.push_back(std::move(entry));
        return Joined(lines);
    }
    if (const auto line = FindKey(views, *range, key)) {
        lines[*line] = std::move(entry);
        return Joined(lines);
    }
    // After the section's last non-blank line, so blank lines that separate
    // it from the next section stay where they are.
    std::size_t insertAt = range->heading + 1;
    for (std::size_t i = range->heading + 1; i < range->end; ++i) {
        if (!TrimBlanks(lines[i]).empty()) {
            insertAt = i + 1;
        }
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(entry));
    return Joined(lines);
}
