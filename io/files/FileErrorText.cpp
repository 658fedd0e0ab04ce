#include "io/files/FileErrorText.h"

#include <cerrno>
#include <cstring>

std::string SystemErrorText(int errorNumber) {
    return std::strerror(errorNumber);
}

std::string OpenForReadingErrorText(int errorNumber) {
    if (errorNumber == ENOENT) {
        return "File not found";
    }
    return SystemErrorText(errorNumber);
}
