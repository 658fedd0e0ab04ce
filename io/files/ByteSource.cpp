#include "io/files/ByteSource.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "io/files/FileErrorText.h"
#include "model/Exceptions.h"

std::size_t MemoryByteSource::Read(char* buffer, std::size_t size) {
    const std::size_t count = std::min(size, rest_.size());
    std::memcpy(buffer, rest_.data(), count);
    rest_.remove_prefix(count);
    return count;
}

namespace {

// A pipe made by a shell (`<(...)`, /dev/stdin) has its writer already; a
// pipe with a name in a folder may have none, and waiting for one would hang.
bool IsNamedPipe(int descriptor) {
    struct stat status {};
    struct statfs system {};
    return ::fstat(descriptor, &status) == 0 && S_ISFIFO(status.st_mode) &&
           ::fstatfs(descriptor, &system) == 0 && system.f_type != PIPEFS_MAGIC;
}

}  // namespace

FileByteSource::FileByteSource(const std::string& path) {
    // Opening without blocking so that a named pipe cannot stall the open.
    descriptor_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor_ < 0) {
        throw EInOutError(OpenForReadingErrorText(errno));
    }
    const bool namedPipe = IsNamedPipe(descriptor_);
    const int flags = ::fcntl(descriptor_, F_GETFL);
    if (namedPipe || flags < 0 || ::fcntl(descriptor_, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        const int error = errno;
        ::close(descriptor_);
        descriptor_ = -1;
        throw EInOutError(namedPipe ? kNamedPipeReadText : SystemErrorText(error));
    }
}

FileByteSource::~FileByteSource() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}

std::size_t FileByteSource::Read(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t count = ::read(descriptor_, buffer, size);
        if (count >= 0) {
            return static_cast<std::size_t>(count);
        }
        if (errno != EINTR) {
            throw EInOutError(SystemErrorText(errno));
        }
    }
}

std::size_t LimitedByteSource::Read(char* buffer, std::size_t size) {
    if (rest_ == 0) {
        char probe = 0;
        if (source_.Read(&probe, 1) != 0) {
            throw EInOutError(pastLimitText_);
        }
        return 0;
    }
    const std::size_t count = source_.Read(buffer, std::min(size, rest_));
    rest_ -= count;
    return count;
}
