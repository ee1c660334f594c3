#include "readback/report_input.h"

#include "platform/profile/profile_format.h"
#include "readback/capped_file.h"
#include "readback/log_reader.h"
#include "readback/profile_replay.h"
#include "report/starts_with.h"

namespace vornak {

const size_t kMaxReportInputBytes = static_cast<size_t>(profile::kMaxProfileBytes);

namespace {

const char kWhat[] = "a log or profile";

bool StartsLikeOurs(std::string_view start) { return !KindOfStart(start).empty(); }

// A log grows by appending runs: one past the cap is a log all the same,
// named where a large file of another kind is skipped without a word.
[[noreturn]] void RefuseTooLarge(const std::string& name, const std::string& message, std::string_view start) {
  if (StartsLikeOurs(start)) throw InputError(name, 0, message);
  throw ForeignFileError(name, 0, message);
}

ReportMachine FromProfile(const std::string& bytes, const std::string& name) {
  profile::Profile p;
  try {
    p = profile::Profile::Parse(bytes, name);
  } catch (const profile::ProfileError& e) {
    // Its text is "FILE:LINE: message"; the message alone after that.
    const std::string where = e.file + ":" + (e.line > 0 ? std::to_string(e.line) + ":" : "") + " ";
    const std::string what = e.what();
    throw InputError(e.file, e.line, StartsWith(what, where) ? what.substr(where.size()) : what);
  }
  ReportMachine m;
  m.file = name;
  m.kind = "profile";
  MemoryLog log;
  ReplayProfile(std::move(p), m.outline, &log);
  m.log = log.Bytes();
  return m;
}

}  // namespace

// Logs and profiles are told by their first bytes, nothing else (a log's
// may be a run cut inside its root line, then appended to).
std::string KindOfStart(std::string_view start) {
  if (StartsWith(start, profile::kMagic)) return "profile";
  return StartsAsLog(start) ? "log" : "";
}

std::string RunName(const std::string& file, int run, int runs) {
  if (runs <= 1) return file;
  return file + " (run " + std::to_string(run) + " of " + std::to_string(runs) + ")";
}

std::vector<ReportMachine> ReadReportBytes(const std::string& bytes, const std::string& name) {
  if (bytes.size() > kMaxReportInputBytes)
    RefuseTooLarge(name, std::string("expected ") + kWhat + " of at most " + std::to_string(kMaxReportInputBytes >> 20) +
                             " MB, the file is larger",
                   bytes);
  std::vector<ReportMachine> machines;
  if (!StartsLikeOurs(bytes)) throw ForeignFileError(name, 0, "not a VORNAK95 log or profile");
  if (StartsWith(bytes, profile::kMagic)) {
    machines.push_back(FromProfile(bytes, name));
    return machines;
  }
  std::vector<LogRun> runs = ReadLog(bytes, name);
  machines.reserve(runs.size());
  for (LogRun& r : runs) {
    ReportMachine& m = machines.emplace_back();
    m.file = name;
    m.kind = "log";
    m.run = static_cast<int>(machines.size());
    m.runs = static_cast<int>(runs.size());
    m.truncated = r.truncated;
    m.lastLineNumber = r.lastLineNumber;
    m.lastLine = std::move(r.lastLine);
    m.log = std::move(r.log);
    m.outline = std::move(r.outline);
  }
  return machines;
}

std::vector<ReportMachine> ReadReportFile(const std::string& path) {
  std::string bytes;
  try {
    bytes = ReadFileCapped(path, kMaxReportInputBytes, kWhat);
  } catch (const TooLargeError& e) {
    RefuseTooLarge(path, e.message, e.start);
  }
  return ReadReportBytes(bytes, path);
}

}  // namespace vornak
