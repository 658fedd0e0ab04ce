#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "core/report/LineSink.h"

// Writes the report's lines to a stream as Calculate makes them, so that a
// report of tens of millions of lines is never held whole: as lines of text,
// or as the elements of the JSON object's "report" array. Lines gather in a
// buffer of fixed size; Flush writes what it holds.
class ReportStream final : public LineSink {
  public:
    enum class Format { Text, Json };

    ReportStream(std::ostream& out, Format format);
    void Add(std::string_view line) override;
    void Flush();

  private:
    std::ostream& out_;
    Format format_;
    bool first_ = true;
    std::string buffer_;
};
