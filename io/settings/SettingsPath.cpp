#include "io/settings/SettingsPath.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "io/files/PathParts.h"
#include "io/settings/ProfileFile.h"

namespace {

// Every write reads the file first, so a file that cannot be read, or is too
// large to be read, could not be written either.
bool CanReadAndWrite(const std::string& path) {
    return ::faccessat(AT_FDCWD, path.c_str(), R_OK | W_OK, AT_EACCESS) == 0;
}

bool IsLink(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
}

bool WritableThere(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0) {
        return S_ISREG(status.st_mode) &&
               static_cast<std::size_t>(status.st_size) <= kMaxProfileFileBytes &&
               CanReadAndWrite(path);
    }
    // A link leading nowhere is no file of settings to be kept beside the
    // program.
    if (errno != ENOENT || IsLink(path)) {
        return false;
    }
    const std::string folder = DirectoryOf(path);
    return ::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
           ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

std::string HomeFolder(const char* home) {
    if (home != nullptr && home[0] == '/') {
        return home;
    }
    const passwd* entry = ::getpwuid(::geteuid());
    if (entry != nullptr && entry->pw_dir != nullptr && entry->pw_dir[0] == '/') {
        return entry->pw_dir;
    }
    return {};
}

}  // namespace

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

std::string ConfigSettingsFilePath(const char* xdgConfigHome, const char* home) {
    // A relative configuration folder is to be ignored, as the base
    // directory convention says.
    std::string folder;
    if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/') {
        folder = xdgConfigHome;
    } else {
        folder = HomeFolder(home);
        if (folder.empty()) {
            return {};
        }
        folder += "/.config";
    }
    return folder + "/velmar/" + kSettingsFileName;
}

SettingsLocation ChooseSettingsLocation(const std::string& besidePath,
                                        const std::string& configPath) {
    if (configPath.empty() || WritableThere(besidePath)) {
        return {besidePath, {}};
    }
    return {configPath, DirectoryOf(configPath)};
}

SettingsLocation SettingsLocationOfThisProgram() {
    return ChooseSettingsLocation(
        SettingsFilePath(),
        ConfigSettingsFilePath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")));
}

bool MakeSettingsFolder(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (!part.empty() && ::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
        if (slash == std::string::npos) {
            return true;
        }
    }
}
