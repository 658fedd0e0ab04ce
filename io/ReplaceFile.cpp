#include "io/ReplaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

#include "io/FileErrorText.h"
#include "model/Exceptions.h"

namespace {

[[noreturn]] void ThrowSystemError(int errorNumber) {
    throw EInOutError(SystemErrorText(errorNumber));
}

void WriteAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = ::write(descriptor, bytes.data(), bytes.size());
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowSystemError(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
}

// Writes into the existing file itself. A pipe or a device (/dev/stdout, a
// printer port) takes the bytes as they come (renaming a file over it would
// destroy the device node instead); a regular file is truncated first.
void WriteThrough(const std::string& path, std::string_view bytes, int extraFlags = 0) {
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | extraFlags);
    if (descriptor < 0) {
        ThrowSystemError(errno);
    }
    try {
        WriteAll(descriptor, bytes);
    } catch (...) {
        ::close(descriptor);
        throw;
    }
    if (::close(descriptor) != 0) {
        ThrowSystemError(errno);
    }
}

// A link is replaced at the file it points to, not turned into a plain file.
std::string ResolvedTarget(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) != nullptr) {
            return resolved;
        }
    }
    return path;
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

mode_t ModeForNewFile() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A temporary file that is removed unless it has been renamed into place.
class TemporaryFile {
  public:
    explicit TemporaryFile(const std::string& target) {
        // Shortened, so that the longest name a directory allows still leaves
        // room for the dot and the random suffix.
        const std::string pattern =
            DirectoryOf(target) + "/." + NameOf(target).substr(0, 64) + ".XXXXXX";
        name_.assign(pattern.begin(), pattern.end());
        name_.push_back('\0');
        descriptor_ = ::mkstemp(name_.data());
        if (descriptor_ < 0) {
            ThrowSystemError(errno);
        }
        ::fcntl(descriptor_, F_SETFD, FD_CLOEXEC);
    }
    ~TemporaryFile() {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
        if (!committed_) {
            ::unlink(name_.data());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    void SetMode(mode_t mode) {
        if (::fchmod(descriptor_, mode) != 0) {
            ThrowSystemError(errno);
        }
    }

    void Write(std::string_view bytes) { WriteAll(descriptor_, bytes); }

    void CommitAs(const std::string& target) {
        if (::fsync(descriptor_) != 0) {
            ThrowSystemError(errno);
        }
        const int descriptor = descriptor_;
        descriptor_ = -1;
        if (::close(descriptor) != 0) {
            ThrowSystemError(errno);
        }
        if (::rename(name_.data(), target.c_str()) != 0) {
            ThrowSystemError(errno);
        }
        committed_ = true;
    }

  private:
    std::vector<char> name_;
    int descriptor_ = -1;
    bool committed_ = false;
};

}  // namespace

void ReplaceFileContents(const std::string& path, std::string_view bytes) {
    if (path.empty()) {
        ThrowSystemError(ENOENT);
    }
    const std::string target = ResolvedTarget(path);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        ThrowSystemError(EISDIR);
    }
    if (exists && !S_ISREG(existing.st_mode)) {
        WriteThrough(target, bytes);
        return;
    }

    if (exists && ::access(DirectoryOf(target).c_str(), W_OK) != 0 &&
        ::access(target.c_str(), W_OK) == 0) {
        // A file the user may change in a folder where they may not create
        // one: no file can be made beside it, so it is rewritten in place.
        WriteThrough(target, bytes, O_TRUNC);
        return;
    }

    TemporaryFile file(target);
    file.SetMode(exists ? (existing.st_mode & 07777) : ModeForNewFile());
    file.Write(bytes);
    file.CommitAs(target);
}
