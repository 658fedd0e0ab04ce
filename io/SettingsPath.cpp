#include "io/SettingsPath.h"

#include <unistd.h>

#include <vector>

std::string SettingsFilePathBeside(const std::string& executablePath) {
    const std::size_t slash = executablePath.rfind('/');
    if (slash == std::string::npos) {
        return kSettingsFileName;
    }
    return executablePath.substr(0, slash + 1) + kSettingsFileName;
}

std::string ExecutablePath() {
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) {
            return {};
        }
        if (static_cast<std::size_t>(length) < buffer.size()) {
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string SettingsFilePath() {
    return SettingsFilePathBeside(ExecutablePath());
}
