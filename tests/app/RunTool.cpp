#include "RunTool.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

namespace {

std::string TakeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ::unlink(path.c_str());
    return text;
}

int TemporaryFile(std::string& path) {
    std::string pattern = "/tmp/velmar-batch-run-XXXXXX";
    const int descriptor = ::mkstemp(pattern.data());
    path = pattern;
    return descriptor;
}

}  // namespace

ToolRun RunBatchTool(const std::vector<std::string>& arguments, std::size_t memoryLimit,
                     const std::string& outputPath) {
    std::string outPath;
    std::string errPath;
    const int out = TemporaryFile(outPath);
    const int err = TemporaryFile(errPath);

    std::vector<std::string> words{VELMAR_BATCH_PATH};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    ToolRun run;
    const pid_t child = ::fork();
    if (child == 0) {
        const int output = outputPath.empty() ? out : ::open(outputPath.c_str(), O_WRONLY);
        ::dup2(output, STDOUT_FILENO);
        ::dup2(err, STDERR_FILENO);
        ::setenv("LC_ALL", "C", 1);
        if (memoryLimit > 0) {
            const rlimit limit{memoryLimit, memoryLimit};
            ::setrlimit(RLIMIT_AS, &limit);
        }
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status)) {
        run.exitCode = WEXITSTATUS(status);
    }
    ::close(out);
    ::close(err);
    run.out = TakeFile(outPath);
    run.err = TakeFile(errPath);
    return run;
}

std::string ExamplePath(const std::string& name) {
    return std::string(VELMAR_EXAMPLES_DIR) + "/" + name;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}
