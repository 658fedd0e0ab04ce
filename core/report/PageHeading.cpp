#include "core/report/PageHeading.h"

#include "core/report/ReportText.h"

namespace {

const std::string kTitleIndent(41, ' ');
const std::string kPageLabel = "           Page : ";
const std::string kDateLabel = "           Date : ";
const std::string kTimeLabel = "    Time : ";

}  // namespace

std::array<std::string, 6> PageHeadingLines(const std::string& title, std::size_t pageNumber,
                                            const HeadingStamp& stamp) {
    return {kBlankLine,
            kTitleIndent + title,
            kPageLabel + std::to_string(pageNumber),
            kBlankLine,
            kDateLabel + stamp.Date + kTimeLabel + stamp.Time,
            kBlankLine};
}
