#include "io/JobFileWriter.h"

#include "io/FlagText.h"
#include "io/ReplaceFile.h"

namespace {

// A value is one line of the file: a line break inside one (a title pasted
// with one) would shift every later value, so it is written as a blank.
void AppendLine(std::string& text, const std::string& line) {
    for (const char c : line) {
        text += (c == '\r' || c == '\n') ? ' ' : c;
    }
    text += "\r\n";
}

}  // namespace

std::string FormatJobFile(const Job& job) {
    std::string text;
    text.reserve(Job::kLineCount * 4);
    AppendLine(text, job.Title);
    for (const std::string& setting : job.BarSettings) {
        AppendLine(text, setting);
    }
    AppendLine(text, FlagText(job.AutoItemNumber));
    for (const std::string& cell : job.Cells) {
        AppendLine(text, cell);
    }
    return text;
}

void WriteJobFile(const std::string& path, const Job& job) {
    ReplaceFileContents(path, FormatJobFile(job));
}
