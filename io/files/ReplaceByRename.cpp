#include "io/files/ReplaceByRename.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>

#include "io/files/Descriptor.h"
#include "io/files/PendingTemporaries.h"
#include "io/files/TemporaryNames.h"

namespace {

bool IsRefusal(int errorNumber) {
    return errorNumber == EACCES || errorNumber == EPERM;
}

// A new file beside the target, removed again unless it has been renamed into
// place. It stays locked until then, so that no other save takes it for one
// left behind by a save that was killed.
class TemporaryFile {
  public:
    explicit TemporaryFile(const std::string& target) {
        RemoveStaleTemporariesBeside(target);
        for (;;) {
            name_ = TemporaryPatternBeside(target);
            file_.Reset(::mkostemp(name_.data(), O_CLOEXEC));
            if (file_.Get() < 0) {
                error_ = errno;
                return;
            }
            if (LockAndKeep()) {
                break;
            }
        }
        pending_.emplace(name_);
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
    // The lock is held through a second descriptor, as the first is closed
    // before the rename. False when another save removed the file as stale
    // before it was locked; a file system without locks leaves it unlocked,
    // and so safe from that removal too.
    bool LockAndKeep() {
        while (::flock(file_.Get(), LOCK_EX) != 0 && errno == EINTR) {
        }
        struct stat status {};
        if (::fstat(file_.Get(), &status) == 0 && status.st_nlink == 0) {
            return false;
        }
        lock_.Reset(::dup(file_.Get()));
        return true;
    }

    std::string name_;
    Descriptor file_{-1};
    Descriptor lock_{-1};
    std::optional<PendingTemporary> pending_;
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
