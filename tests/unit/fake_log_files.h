// Log files in memory that journal every call and fail the one a test names,
// for the log's failure branches without a full disk.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/log_file.h"

namespace vornak::test {

class FakeLogFiles : public LogFiles {
 public:
  static constexpr const char* kReason = "Sharing violation";
  std::string failOn;                    // "write 2": the second write fails; open, commit, close, remove
  std::vector<std::string> journal;      // "open", "write L1\r\n", "commit failed", ...
  std::map<std::string, std::string> bytes;  // per path
  int open = 0;                          // handles not closed

  std::unique_ptr<LogFile> Open(const std::string& path, std::string& reason) override {
    if (!(reason = Call("open")).empty()) return nullptr;
    ++open;
    return std::make_unique<File>(*this, bytes[path]);
  }
  RemoveResult Remove(const std::string& path, std::string& reason) override {
    if (!(reason = Call("remove")).empty()) return RemoveResult::kFailed;
    return bytes.erase(path) ? RemoveResult::kRemoved : RemoveResult::kMissing;
  }
  size_t Count(const std::string& kind) const {
    size_t n = 0;
    for (const std::string& j : journal) n += j.compare(0, kind.size(), kind) == 0;
    return n;
  }
  // Journals the call; its failure reason, or "".
  std::string Call(const std::string& kind, const std::string& detail = "") {
    journal.push_back(kind);
    if (failOn == kind + " " + std::to_string(Count(kind))) {
      journal.back() += " failed";
      return kReason;
    }
    journal.back() += detail;
    return "";
  }

 private:
  struct File : LogFile {
    File(FakeLogFiles& files, std::string& bytes) : files(files), bytes(bytes) {}
    std::string Write(const std::string& b) override {
      std::string reason = files.Call("write", " " + b);
      if (reason.empty()) bytes += b;
      return reason;
    }
    std::string Commit() override { return files.Call("commit"); }
    std::string Close() override {
      --files.open;
      return files.Call("close");
    }
    FakeLogFiles& files;
    std::string& bytes;
  };
};

}  // namespace vornak::test
