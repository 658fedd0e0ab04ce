#include "app/batch/ReportStream.h"

#include "app/batch/JsonText.h"

namespace {

constexpr std::size_t kBufferSize = 1 << 16;

}  // namespace

ReportStream::ReportStream(std::ostream& out, Format format) : out_(out), format_(format) {
    buffer_.reserve(kBufferSize);
}

void ReportStream::Add(std::string_view line) {
    if (format_ == Format::Text) {
        buffer_ += line;
        buffer_ += '\n';
    } else {
        buffer_ += first_ ? "\n  " : ",\n  ";
        AppendJsonString(buffer_, line);
    }
    first_ = false;
    if (buffer_.size() >= kBufferSize) {
        Flush();
    }
}

void ReportStream::Flush() {
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
}
