#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

// Where the job reader takes its bytes from: a file or a buffer in memory.
class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // Fills up to size bytes; 0 means the end. Throws EInOutError on failure.
    virtual std::size_t Read(char* buffer, std::size_t size) = 0;
};

class MemoryByteSource : public ByteSource {
  public:
    explicit MemoryByteSource(std::string_view bytes) : rest_(bytes) {}
    std::size_t Read(char* buffer, std::size_t size) override;

  private:
    std::string_view rest_;
};

// Reads an open file; the file is closed with the source.
class FileByteSource : public ByteSource {
  public:
    // Throws EInOutError with the system's text ("File not found" when missing).
    explicit FileByteSource(const std::string& path);
    ~FileByteSource() override;
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;

    std::size_t Read(char* buffer, std::size_t size) override;

  private:
    int descriptor_ = -1;
};

// Passes on at most limit bytes of another source. Asked for more while the
// other source still has some, it throws EInOutError with the given text, so
// that endless input (a device, a file without line ends) is refused instead
// of read for ever.
class LimitedByteSource : public ByteSource {
  public:
    LimitedByteSource(ByteSource& source, std::size_t limit, std::string pastLimitText)
        : source_(source), rest_(limit), pastLimitText_(std::move(pastLimitText)) {}
    std::size_t Read(char* buffer, std::size_t size) override;

  private:
    ByteSource& source_;
    std::size_t rest_;
    std::string pastLimitText_;
};
