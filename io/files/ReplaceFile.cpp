#include "io/files/ReplaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "io/files/Descriptor.h"
#include "io/files/FileErrorText.h"
#include "io/files/LinkTarget.h"
#include "io/files/ReplaceByRename.h"
#include "io/files/RewriteInPlace.h"
#include "model/Exceptions.h"

namespace {

// A pipe or a device (/dev/stdout, a printer port) takes the bytes as they
// come: renaming a file over it would destroy the device node instead. The
// open does not block, as it would for ever on a named pipe nobody reads;
// the writes then do, as the reader takes the bytes.
void WriteThrough(const std::string& path, const struct stat& existing, std::string_view bytes) {
    Descriptor device(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    if (device.Get() < 0) {
        if (errno == ENXIO && S_ISFIFO(existing.st_mode)) {
            throw EInOutError(kNamedPipeNoReaderText);
        }
        ThrowSystemError(errno);
    }
    const int flags = ::fcntl(device.Get(), F_GETFL);
    if (flags < 0 || ::fcntl(device.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ThrowSystemError(errno);
    }
    device.Write(bytes);
    device.Close();
}

// Decided for the effective user, as the system decides an open for writing.
void RequireWritePermission(const std::string& path) {
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
        ThrowSystemError(errno);
    }
}

mode_t ModeForNewFile() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

void ReplaceFileContents(const std::string& path, std::string_view bytes) {
    if (path.empty()) {
        ThrowSystemError(ENOENT);
    }
    const std::string target = LinkTarget(path);
    struct stat existing {};
    if (::stat(target.c_str(), &existing) != 0) {
        if (const int refusal = ReplaceByRename(target, bytes, ModeForNewFile()); refusal != 0) {
            ThrowSystemError(refusal);
        }
        return;
    }
    if (S_ISDIR(existing.st_mode)) {
        ThrowSystemError(EISDIR);
    }
    if (!S_ISREG(existing.st_mode)) {
        WriteThrough(target, existing, bytes);
        return;
    }
    RequireWritePermission(target);
    if (ReplaceByRename(target, bytes, existing.st_mode & 07777) != 0) {
        RewriteInPlace(target, bytes);
    }
}
