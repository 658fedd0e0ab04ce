#include "io/job/JobFileWriter.h"

#include "io/files/ReplaceFile.h"
#include "io/job/FlagText.h"

namespace {

void AppendLine(std::string& text, const std::string& line) {
    text += line;
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
