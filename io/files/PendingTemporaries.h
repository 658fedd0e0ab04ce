#pragma once

#include <string>

// The temporary files saves are writing at this moment, so that a signal
// ending the program can remove them instead of leaving them beside the
// files they were to replace.
class PendingTemporary {
  public:
    // Notes the path until the object goes; a path too long to note, or one
    // more than the few saves that may run at once, is not noted.
    explicit PendingTemporary(const std::string& path);
    ~PendingTemporary();
    PendingTemporary(const PendingTemporary&) = delete;
    PendingTemporary& operator=(const PendingTemporary&) = delete;

  private:
    int slot_;
};

// Removes every noted file. Safe to call from a signal handler.
void RemovePendingTemporaries() noexcept;

// From now on SIGINT and SIGTERM first remove the noted files, then end the
// program as they would have.
void RemovePendingTemporariesOnInterrupt();
