#include "io/files/Descriptor.h"

#include <unistd.h>

#include <cerrno>

#include "io/files/FileErrorText.h"
#include "model/Exceptions.h"

void ThrowSystemError(int errorNumber) {
    throw EInOutError(SystemErrorText(errorNumber));
}

Descriptor::~Descriptor() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}

void Descriptor::Reset(int descriptor) {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
    descriptor_ = descriptor;
}

void Descriptor::Write(std::string_view bytes) const {
    while (!bytes.empty()) {
        const ssize_t count = ::write(descriptor_, bytes.data(), bytes.size());
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowSystemError(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
}

void Descriptor::Close() {
    const int descriptor = descriptor_;
    descriptor_ = -1;
    if (descriptor >= 0 && ::close(descriptor) != 0) {
        ThrowSystemError(errno);
    }
}
