#pragma once

#include <string>
#include <string_view>

#include "model/ReportLines.h"

// Where the report writer puts its lines, one after the other and never
// taken back: the window's report lines, or a stream that writes each line
// as it comes so that a report of millions of lines is never held whole.
class LineSink {
  public:
    virtual ~LineSink() = default;
    virtual void Add(std::string_view line) = 0;
};

// Appends to the report lines the window shows.
class ReportLinesSink final : public LineSink {
  public:
    explicit ReportLinesSink(ReportLines& lines) : lines_(lines) {}
    void Add(std::string_view line) override { lines_.Add(std::string(line)); }

  private:
    ReportLines& lines_;
};
