// Where a run's log lines go: the file VORNAK95.LOG (FileLog), or memory
// (MemoryLog) for the replay tool and tests. The report tree hands each line
// that it really adds to the log before the next line is added.
#pragma once

#include <memory>
#include <string>

#include "platform/log_file.h"

namespace vornak {

class ReportLog {
 public:
  virtual ~ReportLog() = default;
  // Appends the text and CR LF. A failed line is kept as the log's failure;
  // the run goes on either way.
  virtual void Append(const std::string& text) = 0;
  // Puts every line appended so far onto the disk: called before anything
  // that can hang the machine, so that after a reset the log ends with the
  // last line before the hang.
  virtual void Commit() {}
  // Ends the log: nothing stays open after it.
  virtual void Close() {}
  // Why the log is not complete ("" when every line was written).
  virtual std::string Failure() const { return ""; }
};

// The log file. It is opened on the first line, for appending (the writer
// never truncates; removing an old log is the caller's business), kept open
// until Close, and each line is handed to the system in one write, so a
// crash loses no line written before it. Commit is passed on to the file only
// when lines were written since the last one.
class FileLog : public ReportLog {
 public:
  explicit FileLog(std::string path, LogFiles& files = SystemLogFiles())
      : path_(std::move(path)), files_(files) {}
  ~FileLog() override { Close(); }
  FileLog(const FileLog&) = delete;
  FileLog& operator=(const FileLog&) = delete;

  void Append(const std::string& text) override;
  void Commit() override;
  void Close() override;
  // "FILE: what: reason", naming the first failure; nothing is written after it.
  std::string Failure() const override { return failure_; }
  // Commits handed to the file so far.
  unsigned Commits() const { return commits_; }

 private:
  void Fail(const char* what, const std::string& reason);

  std::string path_;
  LogFiles& files_;
  std::unique_ptr<LogFile> file_;
  std::string failure_;
  bool uncommitted_ = false;
  unsigned commits_ = 0;
};

// The log collected in memory, byte for byte as the file would hold it.
class MemoryLog : public ReportLog {
 public:
  void Append(const std::string& text) override { bytes_ += text + "\r\n"; }
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// Deletes an old log before a run. "" when it is gone or there was none;
// otherwise "FILE: cannot delete the old log: reason", and the caller must not
// write the log: a new run appended to an old one would pass for this run's.
// A folder of that name is left alone and gives "" (creating the log then
// fails on it and says so).
std::string RemoveOldLog(const std::string& path, LogFiles& files = SystemLogFiles());

}  // namespace vornak
