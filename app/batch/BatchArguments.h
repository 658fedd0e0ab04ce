#pragma once

#include <optional>
#include <string>
#include <vector>

struct BatchArguments {
    bool ShortReport = false;
    bool AlternateMethod = false;
    bool FewestBars = false;
    std::optional<double> TimeLimit;  // seconds the fewest-bars search may take
    bool Json = false;
    std::optional<std::string> SaveTo;
    std::optional<std::string> DiagramTo;  // a .pdf or .svg file
    std::optional<std::string> StockFile;  // plan from the stock this file lists
    bool TakeFromStock = false;            // then write the stock the plan leaves back to it
    std::string JobFile;
};

struct ParsedArguments {
    enum class Kind { Run, Help, Bad };
    Kind Outcome = Kind::Bad;
    BatchArguments Arguments;
    std::string Problem;  // what is wrong, for Bad
};

// Parses the words after the program's name.
ParsedArguments ParseBatchArguments(const std::vector<std::string>& words);

std::string BatchUsage();
