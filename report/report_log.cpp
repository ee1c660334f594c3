#include "report/report_log.h"

namespace vornak {

void FileLog::Fail(const char* what, const std::string& reason) {
  if (!failure_.empty()) return;
  failure_ = path_ + ": " + what + (reason.empty() ? "" : ": " + reason);
  if (file_) {
    file_->Close();
    file_.reset();
  }
}

void FileLog::Append(const std::string& text) {
  // After a failure the log is incomplete anyway; do not write past a gap.
  if (!failure_.empty()) return;
  if (!file_) {
    if (path_.empty()) return Fail("cannot create the log: it has no file name", "");
    std::string reason;
    file_ = files_.Open(path_, reason);
    if (!file_) return Fail("cannot create the log", reason);
  }
  const std::string reason = file_->Write(text + "\r\n");
  if (!reason.empty()) return Fail("cannot write the log", reason);
  uncommitted_ = true;
}

void FileLog::Commit() {
  if (!file_ || !uncommitted_) return;
  uncommitted_ = false;
  ++commits_;
  const std::string reason = file_->Commit();
  if (!reason.empty()) Fail("cannot commit the log", reason);
}

void FileLog::Close() {
  if (!file_) return;
  const std::string reason = file_->Close();
  file_.reset();
  if (!reason.empty()) Fail("cannot close the log", reason);
}

std::string RemoveOldLog(const std::string& path, LogFiles& files) {
  if (path.empty()) return "";
  std::string reason;
  if (files.Remove(path, reason) != RemoveResult::kFailed) return "";
  return path + ": cannot delete the old log" + (reason.empty() ? "" : ": " + reason);
}

}  // namespace vornak
