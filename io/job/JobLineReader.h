#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "io/files/ByteSource.h"

// Splits job file text into lines. A line ends at CR (an LF right after it
// belongs to the same line end) or at a lone LF, so files saved by editors
// that write bare LF ends load like their CR LF twins. A line yields at most
// its first kMaxLineLength characters. The data ends at the end of the source
// or at the first Ctrl-Z; every line read after that is empty.
class JobLineReader {
  public:
    static constexpr std::size_t kMaxLineLength = 255;

    explicit JobLineReader(ByteSource& source) : source_(source) {}

    std::string ReadLine();
    // True once no byte of data is left.
    bool AtEnd();

  private:
    static constexpr char kCtrlZ = 26;

    // The next byte without taking it; false at the end of the data.
    bool Peek(char& byte);
    void Take() { ++position_; }

    ByteSource& source_;
    std::array<char, 4096> buffer_{};
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
    bool ended_ = false;
};
