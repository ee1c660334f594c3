// Shared pieces of the unit tests: a shell that records status texts, a
// profile built from inline text, and a scratch folder.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/analysis.h"
#include "app/memory_outline.h"
#include "platform/profile/profile_machine.h"

namespace vornak::test {

class RecordingShell : public Shell {
 public:
  void SetStatusText(const std::string& text) override {
    status = text;
    history.push_back(text);
  }
  std::string StatusText() override { return status; }
  void HideHtmlPane() override { htmlHidden = true; }
  void OpenLogInEditor(const std::string& commandLine) override { editorCommand = commandLine; }
  void ReportLogFailure(const std::string& failure) override { logFailures.push_back(failure); }

  std::string status = "Ready";
  std::vector<std::string> logFailures;
  std::vector<std::string> history;
  bool htmlHidden = false;
  std::string editorCommand;
};

// A machine replaying the given profile lines (the first line is added).
inline ProfileMachine MachineFrom(const std::string& lines) {
  return ProfileMachine(profile::Profile::Parse("VORNAK95-PROFILE 1\n" + lines, "test.profile"));
}

// A fresh folder under the system's temporary folder, removed at the end.
class ScratchDir {
 public:
  ScratchDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "vornak-test.XXXXXX").string();
    std::vector<char> buf(tmpl.begin(), tmpl.end());
    buf.push_back('\0');
    path_ = mkdtemp(buf.data());
  }
  ~ScratchDir() { std::filesystem::remove_all(path_); }
  std::string Path(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Compares text with a fixture file. With VORNAK_REGENERATE=1 in the
// environment the fixture is rewritten instead; review the diff before
// committing it.
inline void ExpectMatchesFixture(const std::string& actual, const std::string& path) {
  const char* regenerate = std::getenv("VORNAK_REGENERATE");
  if (regenerate && std::string(regenerate) == "1") {
    std::ofstream(path, std::ios::binary) << actual;
    return;
  }
  EXPECT_EQ(actual, ReadFile(path)) << "fixture " << path
                                    << " (VORNAK_REGENERATE=1 rewrites it)";
}

// Lines of a log file, split at CR LF.
inline std::vector<std::string> LogLines(const std::string& bytes) {
  std::vector<std::string> out;
  size_t pos = 0, end;
  while ((end = bytes.find("\r\n", pos)) != std::string::npos) {
    out.push_back(bytes.substr(pos, end - pos));
    pos = end + 2;
  }
  return out;
}

// The texts of an item's children, in order.
inline std::vector<std::string> ChildTexts(const MemoryOutline& o, Item parent) {
  std::vector<std::string> out;
  for (Item c : o.Children(parent)) out.push_back(o.FullText(c));
  return out;
}

}  // namespace vornak::test
