#include "model/ReportLines.h"

namespace {
const std::string kEmpty;
}

void ReportLines::Clear() {
    lines_.clear();
    ++revision_;
}

void ReportLines::Add(std::string line) {
    lines_.push_back(std::move(line));
    ++revision_;
}

void ReportLines::ReplaceLast(std::string line) {
    if (lines_.empty()) {
        lines_.push_back(std::move(line));
    } else {
        lines_.back() = std::move(line);
    }
    ++revision_;
}

void ReportLines::Assign(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    ++revision_;
}

const std::string& ReportLines::Line(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= lines_.size()) {
        return kEmpty;
    }
    return lines_[static_cast<std::size_t>(index)];
}
