#pragma once

#include <stdexcept>
#include <string>

// An error that ends the command that raised it. The window shows its text in
// the error box, with a full stop added.
class Exception : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The three floating-point errors of length arithmetic.
class EMathError : public Exception {
  public:
    using Exception::Exception;
};

class EZeroDivide : public EMathError {
  public:
    EZeroDivide() : EMathError("Floating point division by zero") {}
};

class EInvalidOp : public EMathError {
  public:
    EInvalidOp() : EMathError("Invalid floating point operation") {}
};

class EOverflow : public EMathError {
  public:
    EOverflow() : EMathError("Floating point overflow") {}
};

// A text that cannot be read as a number where one is required.
class EConvertError : public Exception {
  public:
    using Exception::Exception;
};

// A file that cannot be opened, created, read or written.
class EInOutError : public Exception {
  public:
    using Exception::Exception;
};

// The message of exhausted memory, whichever command ran out of it.
inline constexpr const char* kOutOfMemory = "Out of memory";

// Adds the full stop the error box puts behind a text that lacks one.
std::string WithFullStop(const std::string& text);
