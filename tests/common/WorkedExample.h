#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "tests/common/GoldenReport.h"

// The report of the worked example shared by the tests of every layer: bars of 240, cut width
// 0.125, scrap below 20, cut list 3 x 96, 2 x 48, 4 x 30 numbered 1, 2, 3. These are the bars of
// its short report.
inline const std::vector<std::string> kExampleShortBars{"Bar 1 ________________",
                                                        "Qty 2 Item # {1}   96",
                                                        "Qty 1 Item # {3}   30",
                                                        "        Scrap 17.625",
                                                        " ",
                                                        "Bar 2 ________________",
                                                        " ",
                                                        "Qty 1 Item # {1}   96",
                                                        "Qty 2 Item # {2}   48",
                                                        "Qty 1 Item # {3}   30",
                                                        "        Scrap 17.500",
                                                        " ",
                                                        "Bar 3 ________________",
                                                        " ",
                                                        "Qty 2 Item # {3}   30",
                                                        "       Remaining 179.750",
                                                        " ",
                                                        " "};

// The worked example is the shelf brackets job; its short report cuts the
// same bars, like neighbours on one line, above the same summary.
inline std::vector<std::string> ExampleReport(bool shortReport) {
    std::vector<std::string> lines = GoldenReport("shelf-brackets");
    if (shortReport) {
        const auto summary = std::find(lines.begin(), lines.end(), "Summary");
        lines.erase(lines.begin(), summary);
        lines.insert(lines.begin(), kExampleShortBars.begin(), kExampleShortBars.end());
    }
    return lines;
}

// The full report without the short report, as the window shows it.
inline const std::vector<std::string> kWorkedExampleLines = ExampleReport(false);
