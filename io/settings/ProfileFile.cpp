#include "io/settings/ProfileFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "io/files/ReplaceFile.h"
#include "io/settings/ProfileText.h"
#include "model/Exceptions.h"

namespace {

enum class FileState { Text, Missing, Unusable };

struct ProfileFileText {
    FileState State;
    std::string Text;
};

// Reads the file whole, but only a regular file within kMaxProfileFileBytes:
// a pipe would block the program in open, and a device such as /dev/zero
// would fill its memory. Anything else is unusable, as an unreadable file is.
ProfileFileText ReadProfileFile(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return {errno == ENOENT ? FileState::Missing : FileState::Unusable, {}};
    }
    // Without blocking, should a pipe have taken the file's place since.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        return {errno == ENOENT ? FileState::Missing : FileState::Unusable, {}};
    }
    ProfileFileText file{FileState::Unusable, {}};
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode)) {
        file.State = FileState::Text;
    }
    char buffer[4096];
    while (file.State == FileState::Text) {
        const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count > 0) {
            file.Text.append(buffer, static_cast<std::size_t>(count));
            if (file.Text.size() > kMaxProfileFileBytes) {
                file.State = FileState::Unusable;
            }
        } else if (count == 0) {
            break;
        } else if (errno != EINTR) {
            file.State = FileState::Unusable;
        }
    }
    ::close(descriptor);
    if (file.State != FileState::Text) {
        file.Text.clear();
    }
    return file;
}

// Replaced whole, as a job file is, so that a full disk keeps the old file.
bool WriteWholeFile(const std::string& path, std::string_view text) {
    try {
        ReplaceFileContents(path, text);
        return true;
    } catch (const EInOutError&) {
        return false;
    }
}

}  // namespace

std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, const std::string& path) {
    return ProfileValue(ReadProfileFile(path).Text, section, key, defaultValue);
}

bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, const std::string& path) {
    const ProfileFileText file = ReadProfileFile(path);
    if (file.State == FileState::Unusable) {
        return false;
    }
    return WriteWholeFile(path, WithProfileValue(file.Text, section, key, value));
}
