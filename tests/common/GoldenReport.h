#pragma once

#include <fstream>
#include <string>
#include <vector>

// The report of each job in examples/ as the batch tool prints it in the "C"
// locale: tests/golden/<job>.report, one report line per text line. The
// tests and the install check read these files; an example without one is
// a test that fails.
inline std::string GoldenReportPath(const std::string& job) {
    return std::string(VELMAR_GOLDEN_DIR) + "/" + job + ".report";
}

// The lines of the job's golden report; none when there is no such file.
inline std::vector<std::string> GoldenReport(const std::string& job) {
    std::vector<std::string> lines;
    std::ifstream file(GoldenReportPath(job));
    for (std::string line; std::getline(file, line);) {
        lines.push_back(line);
    }
    return lines;
}
