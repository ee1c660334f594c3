#include "app/report_input.h"

#include "app/capped_file.h"
#include "app/log_reader.h"
#include "app/profile_replay.h"
#include "platform/profile/profile_format.h"

namespace vornak {

const size_t kMaxReportInputBytes = static_cast<size_t>(profile::kMaxProfileBytes);

namespace {

const char kWhat[] = "a log or profile";

bool StartsWith(const std::string& s, std::string_view prefix) {
  return std::string_view(s).substr(0, prefix.size()) == prefix;
}

ReportMachine FromProfile(const std::string& bytes, const std::string& name) {
  profile::Profile p;
  try {
    p = profile::Profile::Parse(bytes, name);
  } catch (const profile::ProfileError& e) {
    // Its text is "FILE:LINE: message"; the message alone after that.
    const std::string where = e.file + ":" + (e.line > 0 ? std::to_string(e.line) + ":" : "") + " ";
    const std::string what = e.what();
    throw InputError(e.file, e.line, what.compare(0, where.size(), where) == 0 ? what.substr(where.size()) : what);
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

std::string ReportMachine::Name() const {
  if (runs <= 1) return file;
  return file + " (run " + std::to_string(run) + " of " + std::to_string(runs) + ")";
}

std::vector<ReportMachine> ReadReportBytes(const std::string& bytes, const std::string& name) {
  if (bytes.size() > kMaxReportInputBytes)
    throw ForeignFileError(name, 0, std::string("expected ") + kWhat + " of at most " +
                                  std::to_string(kMaxReportInputBytes >> 20) + " MB, the file is larger");
  std::vector<ReportMachine> machines;
  if (StartsWith(bytes, profile::kMagic)) {
    machines.push_back(FromProfile(bytes, name));
    return machines;
  }
  if (!StartsAsLog(bytes)) throw ForeignFileError(name, 0, "not a VORNAK95 log or profile");
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
  return ReadReportBytes(ReadFileCapped(path, kMaxReportInputBytes, kWhat), path);
}

}  // namespace vornak
