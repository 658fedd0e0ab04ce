#include "io/ProfileFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "io/ProfileText.h"

namespace {

// The whole file; an empty text when it does not exist, nothing when it
// exists but cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        if (errno == ENOENT) {
            return std::string();
        }
        return std::nullopt;
    }
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count > 0) {
            text.append(buffer, static_cast<std::size_t>(count));
        } else if (count == 0) {
            break;
        } else if (errno != EINTR) {
            ::close(descriptor);
            return std::nullopt;
        }
    }
    ::close(descriptor);
    return text;
}

bool WriteWholeFile(const std::string& path, std::string_view text) {
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        return false;
    }
    bool written = true;
    while (!text.empty()) {
        const ssize_t count = ::write(descriptor, text.data(), text.size());
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            written = false;
            break;
        }
        text.remove_prefix(static_cast<std::size_t>(count));
    }
    return ::close(descriptor) == 0 && written;
}

}  // namespace

std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, const std::string& path) {
    const std::optional<std::string> text = ReadWholeFile(path);
    return ProfileValue(text.value_or(std::string()), section, key, defaultValue);
}

bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, const std::string& path) {
    const std::optional<std::string> text = ReadWholeFile(path);
    if (!text) {
        return false;
    }
    return WriteWholeFile(path, WithProfileValue(*text, section, key, value));
}
