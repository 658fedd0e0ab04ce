#include "io/files/TemporaryNames.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <string_view>

#include "io/files/PathParts.h"

namespace {

constexpr std::string_view kMarker = ".velmar-";
constexpr std::string_view kRandomPart = "XXXXXX";

std::string PrefixBeside(const std::string& target) {
    return "." + NameOf(target).substr(0, 64) + std::string(kMarker);
}

bool IsTemporaryName(std::string_view name, std::string_view prefix) {
    if (name.size() != prefix.size() + kRandomPart.size() ||
        name.substr(0, prefix.size()) != prefix) {
        return false;
    }
    const std::string_view random = name.substr(prefix.size());
    return std::all_of(random.begin(), random.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

// Removed while locked: a save that made the file but has not locked it yet
// then finds it gone once it has, and makes another.
void RemoveIfStale(int folder, const char* name) {
    const int file = ::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (file < 0) {
        return;
    }
    struct stat status {};
    if (::fstat(file, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid() &&
        ::flock(file, LOCK_EX | LOCK_NB) == 0) {
        ::unlinkat(folder, name, 0);
    }
    ::close(file);
}

}  // namespace

std::string TemporaryPatternBeside(const std::string& target) {
    return DirectoryOf(target) + "/" + PrefixBeside(target) + std::string(kRandomPart);
}

void RemoveStaleTemporariesBeside(const std::string& target) {
    DIR* folder = ::opendir(DirectoryOf(target).c_str());
    if (folder == nullptr) {
        return;
    }
    const std::string prefix = PrefixBeside(target);
    while (const dirent* entry = ::readdir(folder)) {
        if (IsTemporaryName(entry->d_name, prefix)) {
            RemoveIfStale(::dirfd(folder), entry->d_name);
        }
    }
    ::closedir(folder);
}
