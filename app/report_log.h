// Where a run's log lines go: the file VORNAK95.LOG (FileLog), or memory
// (MemoryLog) for the replay tool and tests. The report tree hands each line
// that it really adds to the log before the next line is added.
#pragma once

#include <cstdio>
#include <string>

namespace vornak {

class ReportLog {
 public:
  virtual ~ReportLog() = default;
  // Appends the text and CR LF. A failed line is kept as the log's failure;
  // the run goes on either way.
  virtual void Append(const std::string& text) = 0;
  // Ends the log: nothing stays open after it.
  virtual void Close() {}
  // Why the log is not complete ("" when every line was written).
  virtual std::string Failure() const { return ""; }
};

// The log file. It is opened on the first line, in append mode (the writer
// never truncates; removing an old log is the caller's business), kept open
// until Close, and written without user-space buffering: each line is handed
// to the system in one write, so a crash loses no line written before it.
class FileLog : public ReportLog {
 public:
  explicit FileLog(std::string path) : path_(std::move(path)) {}
  ~FileLog() override { Close(); }
  FileLog(const FileLog&) = delete;
  FileLog& operator=(const FileLog&) = delete;

  void Append(const std::string& text) override;
  void Close() override;
  // "FILE: reason", naming the first failure; later lines are not attempted.
  std::string Failure() const override { return failure_; }

 private:
  void Fail(const char* what, int error);

  std::string path_;
  std::FILE* file_ = nullptr;
  std::string failure_;
};

// The log collected in memory, byte for byte as the file would hold it.
class MemoryLog : public ReportLog {
 public:
  void Append(const std::string& text) override { bytes_ += text + "\r\n"; }
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// Deletes an old log before a run. A missing file is no error; a directory of
// that name is left alone (the run's log then fails on it and says so).
void RemoveOldLog(const std::string& path);

}  // namespace vornak
