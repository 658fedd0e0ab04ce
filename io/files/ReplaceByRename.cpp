#include "io/files/ReplaceByRename.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "io/files/Descriptor.h"
#include "io/files/PathParts.h"

namespace {

bool IsRefusal(int errorNumber) {
    return errorNumber == EACCES || errorNumber == EPERM;
}

// A new file beside the target, removed again unless it has been renamed into
// place.
class TemporaryFile {
  public:
    explicit TemporaryFile(const std::string& target)
        : name_(NameBeside(target)), file_(::mkostemp(name_.data(), O_CLOEXEC)) {
        if (file_.Get() < 0) {
            error_ = errno;
        }
    }
    ~TemporaryFile() {
        if (error_ == 0 && !renamed_) {
            ::unlink(name_.data());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // The error number that kept the file from being made; 0 when it was.
    int CreationError() const { return error_; }

    void Fill(std::string_view bytes, mode_t mode) {
        if (::fchmod(file_.Get(), mode) != 0) {
            ThrowSystemError(errno);
        }
        file_.Write(bytes);
        if (::fsync(file_.Get()) != 0) {
            ThrowSystemError(errno);
        }
        file_.Close();
    }

    // 0, or the error number of a refused rename.
    int RenameOver(const std::string& target) {
        if (::rename(name_.data(), target.c_str()) == 0) {
            renamed_ = true;
            return 0;
        }
        if (!IsRefusal(errno)) {
            ThrowSystemError(errno);
        }
        return errno;
    }

  private:
    // Shortened, so that the longest name a directory allows still leaves
    // room for the dot and the random suffix.
    static std::string NameBeside(const std::string& target) {
        return DirectoryOf(target) + "/." + NameOf(target).substr(0, 64) + ".XXXXXX";
    }

    std::string name_;
    Descriptor file_;
    int error_ = 0;
    bool renamed_ = false;
};

}  // namespace

int ReplaceByRename(const std::string& target, std::string_view bytes, mode_t mode) {
    TemporaryFile file(target);
    if (const int error = file.CreationError(); error != 0) {
        if (!IsRefusal(error)) {
            ThrowSystemError(error);
        }
        return error;
    }
    file.Fill(bytes, mode);
    return file.RenameOver(target);
}
