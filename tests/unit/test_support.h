// Shared pieces of the unit tests: a shell that records status texts, a
// profile built from inline text, and a scratch folder.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/profile/profile_machine.h"
#include "report/analysis.h"
#include "report/memory_outline.h"

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

// --- Case names of parameterised tests, for ctest's list: a short name such
// as "All/Versions.GiveVersionAndPlatform/Windows98" instead of the case's
// bytes. A name may hold only letters, digits and '_'.

// v in upper-case hexadecimal, at least `width` digits.
inline std::string HexName(uint32_t v, int width = 4) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%0*X", width, static_cast<unsigned>(v));
  return buf;
}

// Letters and digits of text; every other run of bytes becomes one '_'.
inline std::string TextName(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    if (std::isalnum(c) && c < 0x80) out += static_cast<char>(c);
    else if (!out.empty() && out.back() != '_') out += '_';
  }
  while (!out.empty() && out.back() == '_') out.pop_back();
  return out.empty() ? "Empty" : out;
}

// The system a GetVersion word stands for: Windows95, Windows98, Win32s,
// NT4_0 ...
inline std::string WindowsName(uint32_t version) {
  uint32_t major = version & 0xFF, minor = (version >> 8) & 0xFF;
  if (!(version & 0x80000000u)) return "NT" + std::to_string(major) + "_" + std::to_string(minor);
  if (major < 4) return "Win32s";
  if (minor == 0) return "Windows95";
  if (minor == 10) return "Windows98";
  return "Windows" + std::to_string(major) + "_" + std::to_string(minor);
}

}  // namespace vornak::test
