#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The lines of the report text area, in order. The report is built by
// appending lines and, for the short report, replacing the last one; the
// summary reads earlier lines back.
class ReportLines {
  public:
    void Clear();
    void Add(std::string line);
    // Replaces the last line; on an empty report the line is appended instead.
    void ReplaceLast(std::string line);
    // Replaces every line at once, as when the user has edited the text area.
    void Assign(std::vector<std::string> lines);
    void Reserve(std::size_t count) { lines_.reserve(count); }

    int Count() const { return static_cast<int>(lines_.size()); }
    // Line i, counted from 0; outside the report an empty text.
    const std::string& Line(int index) const;
    const std::vector<std::string>& All() const { return lines_; }

    // Rises with every change, so a view can tell when to refresh.
    std::uint64_t Revision() const { return revision_; }

  private:
    std::vector<std::string> lines_;
    std::uint64_t revision_ = 0;
};
