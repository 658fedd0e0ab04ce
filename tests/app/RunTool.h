#pragma once

#include <string>
#include <vector>

// What one run of the batch tool printed and returned.
struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built velmar-batch with the arguments, in the "C" locale.
ToolRun RunBatchTool(const std::vector<std::string>& arguments);

std::string ExamplePath(const std::string& name);

std::vector<std::string> SplitLines(const std::string& text);
