// The file VORNAK95.LOG is written into, through the system's own file calls:
// POSIX natively (platform/posix/), Win32 handles in the Windows build
// (platform/win32/). The log's rules (open on the first line, the first
// failure kept, commits only when something is new) live above this, in
// report/report_log.cpp, where the native tests reach them.
#pragma once

#include <memory>
#include <string>

namespace vornak {

// An open log file. Each call gives "" or the system's reason for failing.
class LogFile {
 public:
  virtual ~LogFile() = default;
  // All the bytes in one system write, at the end of the file: a line is
  // never split between writes.
  virtual std::string Write(const std::string& bytes) = 0;
  // Everything written so far onto the disk, the size in the directory
  // entry included (FlushFileBuffers, fsync).
  virtual std::string Commit() = 0;
  // The handle is released whatever the answer.
  virtual std::string Close() = 0;
};

enum class RemoveResult { kRemoved, kMissing, kDirectory, kFailed };

// Where log files are created and removed. SystemLogFiles() is the real one;
// tests pass their own.
class LogFiles {
 public:
  virtual ~LogFiles() = default;
  // Opens the file for appending, creating it if missing; nullptr and the
  // reason when it cannot.
  virtual std::unique_ptr<LogFile> Open(const std::string& path, std::string& reason) = 0;
  // Deletes a file. A missing file, or a folder of that name (left alone),
  // is said so; kFailed comes with the reason.
  virtual RemoveResult Remove(const std::string& path, std::string& reason) = 0;
};

LogFiles& SystemLogFiles();

}  // namespace vornak
