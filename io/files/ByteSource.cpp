#include "io/files/ByteSource.h"

#include <fcntl.h>
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

FileByteSource::FileByteSource(const std::string& path) {
    descriptor_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor_ < 0) {
        throw EInOutError(OpenForReadingErrorText(errno));
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
