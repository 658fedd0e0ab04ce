#pragma once

#include <string_view>

// Throws EInOutError with the C library's text for the error number.
[[noreturn]] void ThrowSystemError(int errorNumber);

// An open file descriptor, closed with the object. Writes throw EInOutError
// with the system's text.
class Descriptor {
  public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    ~Descriptor();
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return descriptor_; }

    // Takes another descriptor, closing the one held, if any.
    void Reset(int descriptor);

    // Every byte, from the current position.
    void Write(std::string_view bytes) const;

    // Closes now rather than with the object, so that a failing close (some
    // file systems report a failed write only then) is not lost.
    void Close();

  private:
    int descriptor_;
};
