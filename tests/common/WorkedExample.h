#pragma once

#include <string>
#include <vector>

// The report of the worked example shared by the tests of every layer: bars of 240, cut width
// 0.125, scrap below 20, cut list 3 x 96, 2 x 48, 4 x 30 numbered 1, 2, 3.
inline const std::vector<std::string> kExampleBars{"Bar 1 ________________",
                                                   "Item # {1}   96",
                                                   "Item # {1}   96",
                                                   "Item # {3}   30",
                                                   "        Scrap 17.625",
                                                   " ",
                                                   "Bar 2 ________________",
                                                   " ",
                                                   "Item # {1}   96",
                                                   "Item # {2}   48",
                                                   "Item # {2}   48",
                                                   "Item # {3}   30",
                                                   "        Scrap 17.500",
                                                   " ",
                                                   "Bar 3 ________________",
                                                   " ",
                                                   "Item # {3}   30",
                                                   "Item # {3}   30",
                                                   "       Remaining 179.750",
                                                   " ",
                                                   " "};

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

inline const std::vector<std::string> kExampleSummary{"Summary",
                                                      " ",
                                                      "Scrap Below 20.000",
                                                      "Consisting of : ",
                                                      "1         Scrap 17.625",
                                                      "1         Scrap 17.500",
                                                      " ",
                                                      "Total Scrap 35.125",
                                                      "______________________ ",
                                                      "Remaining",
                                                      "Consisting of : ",
                                                      "1        Remaining 179.750",
                                                      " ",
                                                      "Total Remaining 179.750",
                                                      "______________________ ",
                                                      " ",
                                                      "Total Bars for job = 3",
                                                      "Bar Length 240.000",
                                                      "Cut Width  0.125",
                                                      " ",
                                                      "Total of Item  {1}  = 3 of Len 96",
                                                      "Total of Item  {2}  = 2 of Len 48",
                                                      "Total of Item  {3}  = 4 of Len 30",
                                                      " ",
                                                      "Total Items 9"};

inline std::vector<std::string> ExampleReport(bool shortReport) {
    std::vector<std::string> lines = shortReport ? kExampleShortBars : kExampleBars;
    lines.insert(lines.end(), kExampleSummary.begin(), kExampleSummary.end());
    return lines;
}

// The full report without the short report, as the window shows it.
inline const std::vector<std::string> kWorkedExampleLines = ExampleReport(false);
