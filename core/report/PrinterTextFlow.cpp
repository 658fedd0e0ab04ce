#include "core/report/PrinterTextFlow.h"

#include <algorithm>

PrinterTextFlow::PrinterTextFlow(int lineAdvance, int pageHeight)
    : advance_(std::max(1, lineAdvance)), pageHeight_(pageHeight) {}

void PrinterTextFlow::SetLineAdvance(int lineAdvance) {
    advance_ = std::max(1, lineAdvance);
}

bool PrinterTextFlow::LineWritten() {
    top_ += advance_;
    // Two advances are kept free at the foot of the page.
    if (top_ > pageHeight_ - 2 * advance_) {
        top_ = 0;
        ++page_;
        return true;
    }
    return false;
}

namespace {

// The length of the longest start of text that fits into width; at least 1.
// Widths grow with the length, so doubling and then halving finds it with few
// measurements even on very long lines.
std::size_t FittingLength(std::string_view text, int width,
                          const std::function<int(std::string_view)>& measure) {
    auto fits = [&](std::size_t length) { return measure(text.substr(0, length)) <= width; };
    if (!fits(1)) {
        return 1;
    }
    std::size_t good = 1;
    std::size_t bad = 2;
    while (bad <= text.size() && fits(bad)) {
        good = bad;
        bad *= 2;
    }
    if (bad > text.size()) {
        if (fits(text.size())) {
            return text.size();
        }
        bad = text.size();
    }
    while (bad - good > 1) {
        std::size_t middle = good + (bad - good) / 2;
        if (fits(middle)) {
            good = middle;
        } else {
            bad = middle;
        }
    }
    return good;
}

}  // namespace

std::vector<std::string> SplitToWidth(const std::string& text, int width,
                                      const std::function<int(std::string_view)>& measure) {
    std::vector<std::string> pieces;
    std::string_view rest = text;
    do {
        std::size_t length = rest.empty() ? 0 : FittingLength(rest, width, measure);
        pieces.emplace_back(rest.substr(0, length));
        rest.remove_prefix(length);
    } while (!rest.empty());
    return pieces;
}
