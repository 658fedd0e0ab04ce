#pragma once

#include <optional>
#include <string>
#include <vector>

struct BatchArguments {
    bool shortReport = false;
    bool alternateMethod = false;
    bool json = false;
    std::optional<std::string> saveTo;
    std::optional<std::string> diagramTo;  // a .pdf or .svg file
    std::string jobFile;
};

struct ParsedArguments {
    enum class Kind { Run, Help, Bad };
    Kind kind = Kind::Bad;
    BatchArguments arguments;
    std::string problem;  // what is wrong, for Bad
};

// Parses the words after the program's name.
ParsedArguments ParseBatchArguments(const std::vector<std::string>& words);

std::string BatchUsage();
