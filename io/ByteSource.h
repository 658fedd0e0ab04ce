#pragma once

#include <cstddef>
#include <string>
#include <string_view>

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
