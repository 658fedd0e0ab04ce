#include "core/report/ReportPrinter.h"

#include <cstddef>

#include "core/report/PageHeading.h"

namespace {

const std::string kLineIndent(11, ' ');
const std::string kEndLine = "           End Of Report ";
const std::string kSummaryWord = "Summary";
const std::string kBlankLine = " ";

// The printed page number is not a page count: it follows the index of the
// line that opens the page, fifty lines to a number, and the summary counts
// one more since it always starts on a page of its own.
std::size_t HeadingNumber(std::size_t index, bool inSummary) {
    return index / 50 + (inSummary ? 2 : 1);
}

void WriteHeading(IPrinterText& out, const std::string& title, std::size_t pageNumber,
                  const HeadingStamp& stamp) {
    for (const std::string& line : PageHeadingLines(title, pageNumber, stamp)) {
        out.WriteLine(line);
    }
}

void WriteLines(IPrinterText& out, const std::vector<std::string>& lines, const std::string& title,
                bool noSummary, const HeadingClock& clock) {
    int headingPage = 0;  // no heading yet; pages count from 1
    bool inSummary = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (out.PageNumber() != headingPage) {
            WriteHeading(out, title, HeadingNumber(i, inSummary), clock());
            headingPage = out.PageNumber();
        }
        if (lines[i].find(kSummaryWord) != std::string::npos) {
            inSummary = true;
            if (noSummary) {
                out.WriteLine(kEndLine);
            } else {
                do {
                    out.WriteLine(kBlankLine);
                } while (out.PageNumber() == headingPage);
            }
        }
        if (!noSummary || !inSummary) {
            out.WriteLine(kLineIndent + lines[i]);
        }
    }
}

}  // namespace

PrinterFont PrintedReportFont() {
    return {"MS Sans Serif", 10, true};
}

void PrintReport(IPrinterText& out, const std::vector<std::string>& lines, const std::string& title,
                 bool noSummary, const HeadingClock& clock) {
    out.BeginDoc();
    try {
        out.SetFont(PrintedReportFont());
        WriteLines(out, lines, title, noSummary, clock);
    } catch (...) {
        // Whatever was written so far still goes out; the first error is the
        // one to report.
        try {
            out.EndDoc();
        } catch (...) {
        }
        throw;
    }
    out.EndDoc();
}
