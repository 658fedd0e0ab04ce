#include "io/files/RewriteInPlace.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "io/files/Descriptor.h"

namespace {

// Opened for reading too when the user may, so that the old contents can be
// put back.
int OpenForRewrite(const std::string& path) {
    const int descriptor = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (descriptor >= 0 || errno != EACCES) {
        return descriptor;
    }
    return ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
}

// Makes sure the disk has room for the new contents. A file system that
// cannot reserve space is no error: putting the old contents back covers it.
void ReserveSpace(const Descriptor& file, std::size_t size) {
    if (size == 0 ||
        ::fallocate(file.Get(), FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) == 0) {
        return;
    }
    if (errno != EOPNOTSUPP && errno != ENOSYS && errno != EINVAL && errno != EINTR) {
        ThrowSystemError(errno);
    }
}

// The first size bytes of the file, or fewer when it cannot be read.
std::string ReadPrefix(const Descriptor& file, std::size_t size) {
    std::string bytes(size, '\0');
    std::size_t filled = 0;
    while (filled < size) {
        const ssize_t count =
            ::pread(file.Get(), bytes.data() + filled, size - filled, static_cast<off_t>(filled));
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            break;
        }
        filled += static_cast<std::size_t>(count);
    }
    bytes.resize(filled);
    return bytes;
}

// Writes the bytes from the start of the file. Returns 0, or the error
// number of the failure; written tells how far the bytes got.
int WriteFromStart(const Descriptor& file, std::string_view bytes, std::size_t& written) {
    written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::pwrite(file.Get(), bytes.data() + written, bytes.size() - written,
                                       static_cast<off_t>(written));
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        written += static_cast<std::size_t>(count);
    }
    return 0;
}

// Best effort: the failure that made it necessary is the one to report.
void PutBack(const Descriptor& file, std::string_view oldPrefix, off_t oldSize) {
    std::size_t written = 0;
    WriteFromStart(file, oldPrefix, written);
    static_cast<void>(::ftruncate(file.Get(), oldSize));
    static_cast<void>(::fsync(file.Get()));
}

}  // namespace

void RewriteInPlace(const std::string& path, std::string_view bytes) {
    Descriptor file(OpenForRewrite(path));
    if (file.Get() < 0) {
        ThrowSystemError(errno);
    }
    // Two saves rewriting the file at once would mix their bytes and cut
    // each other's tails: each waits for the other's rewrite to end. The
    // lock goes with the descriptor.
    while (::flock(file.Get(), LOCK_EX) != 0) {
        if (errno != EINTR) {
            ThrowSystemError(errno);
        }
    }
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0) {
        ThrowSystemError(errno);
    }
    const off_t oldSize = status.st_size;
    const off_t newSize = static_cast<off_t>(bytes.size());
    ReserveSpace(file, bytes.size());

    // Only the part the new contents cover is overwritten at first; the old
    // tail beyond it stays until the new contents are safely on disk.
    const std::string oldPrefix =
        ReadPrefix(file, static_cast<std::size_t>(std::min(oldSize, newSize)));
    std::size_t written = 0;
    int error = WriteFromStart(file, bytes, written);
    if (error == 0 && ::fsync(file.Get()) != 0) {
        error = errno;
    }
    if (error == 0 && ::ftruncate(file.Get(), newSize) != 0) {
        error = errno;
    }
    if (error != 0) {
        PutBack(file, std::string_view(oldPrefix).substr(0, written), oldSize);
        ThrowSystemError(error);
    }
    file.Close();
}
