#include "io/files/LinkTarget.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "io/files/Descriptor.h"
#include "io/files/PathParts.h"

namespace {

bool IsLink(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
}

// The link's text; relative texts count from the folder holding the link.
std::string ReadLink(const std::string& link) {
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = ::readlink(link.c_str(), buffer.data(), buffer.size());
        if (length < 0) {
            ThrowSystemError(errno);
        }
        if (static_cast<std::size_t>(length) < buffer.size()) {
            std::string text(buffer.data(), static_cast<std::size_t>(length));
            if (!text.empty() && text.front() == '/') {
                return text;
            }
            return DirectoryOf(link) + "/" + text;
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

std::string LinkTarget(const std::string& path) {
    std::string target = path;
    for (int followed = 0; IsLink(target); ++followed) {
        if (followed == kMaxLinksFollowed) {
            ThrowSystemError(ELOOP);
        }
        target = ReadLink(target);
    }
    return target;
}
