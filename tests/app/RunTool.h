#pragma once

#include <cstddef>
#include <string>
#include <vector>

// What one run of the batch tool printed and returned.
struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built velmar-batch with the arguments, in the "C" locale; with a
// limit, the tool may map no more than that many bytes of memory. With an
// output path, its standard output goes to that file instead of ToolRun::out.
ToolRun RunBatchTool(const std::vector<std::string>& arguments, std::size_t memoryLimit = 0,
                     const std::string& outputPath = "");

std::string ExamplePath(const std::string& name);

std::vector<std::string> SplitLines(const std::string& text);
