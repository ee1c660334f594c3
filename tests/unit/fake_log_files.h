// Log files in memory that journal every call and fail the one a test names,
// for the log's failure branches without a full disk.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/log_file.h"

namespace vornak::test {

class FakeLogFiles : public LogFiles {
 public:
  // "write 2" fails the second write, "open 1" the first open, and so on for
  // commit, close and remove; the reason given is kReason.
  static constexpr const char* kReason = "Sharing violation";
  std::string failOn;
  RemoveResult removeAnswer = RemoveResult::kMissing;  // when remove does not fail
  std::vector<std::string> journal;                    // "write root\r\n", "commit", ...
  std::map<std::string, std::string> bytes;            // per path, what was written
  int open = 0;                                        // handles not yet closed

  std::unique_ptr<LogFile> Open(const std::string& path, std::string& reason) override {
    if (Fails("open", reason)) return nullptr;
    ++open;
    return std::make_unique<File>(*this, bytes[path]);
  }
  RemoveResult Remove(const std::string& path, std::string& reason) override {
    if (Fails("remove", reason)) return RemoveResult::kFailed;
    if (removeAnswer == RemoveResult::kRemoved) bytes.erase(path);
    return removeAnswer;
  }
  size_t Count(const std::string& kind) const {
    size_t n = 0;
    for (const std::string& j : journal) n += j.compare(0, kind.size(), kind) == 0;
    return n;
  }

 private:
  bool Fails(const std::string& kind, std::string& reason) {
    journal.push_back(kind);
    if (failOn != kind + " " + std::to_string(Count(kind))) return false;
    journal.back() += " failed";
    reason = kReason;
    return true;
  }

  class File : public LogFile {
   public:
    File(FakeLogFiles& files, std::string& bytes) : files_(files), bytes_(bytes) {}
    std::string Write(const std::string& bytes) override {
      std::string reason;
      if (files_.Fails("write", reason)) return reason;
      files_.journal.back() += " " + bytes;
      bytes_ += bytes;
      return "";
    }
    std::string Commit() override {
      std::string reason;
      files_.Fails("commit", reason);
      return reason;
    }
    std::string Close() override {
      std::string reason;
      files_.Fails("close", reason);
      --files_.open;
      return reason;
    }

   private:
    FakeLogFiles& files_;
    std::string& bytes_;
  };
};

}  // namespace vornak::test
