#include "vornak95/command_line.h"

#include <vector>

namespace vornak {

namespace {

std::vector<std::string> SplitArguments(const std::string& s) {
  std::vector<std::string> out;
  size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    if (i >= s.size()) break;
    std::string word;
    bool quoted = false;
    for (; i < s.size() && (quoted || (s[i] != ' ' && s[i] != '\t')); ++i) {
      if (s[i] == '"') quoted = !quoted;
      else word += s[i];
    }
    out.push_back(word);
  }
  return out;
}

std::string Upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return s;
}

}  // namespace

CommandLine ParseCommandLine(const std::string& arguments) {
  CommandLine cl;
  std::vector<std::string> words = SplitArguments(arguments);
  auto fail = [&](const std::string& what) {
    if (cl.error.empty()) cl.error = what;
  };
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& w = words[i];
    const bool isSwitch = w.size() > 1 && (w[0] == '/' || w[0] == '-');
    const std::string name = isSwitch ? Upper(w.substr(1)) : "";
    if (!isSwitch) {
      cl.ignored.push_back(w);
    } else if (name == "LOG") {
      cl.log = true;
    } else if (name == "ANALYZE") {
      cl.analyze = true;
    } else if (name == "RECORD") {
      if (i + 1 >= words.size() || words[i + 1].empty()) {
        fail("/RECORD needs the name of the profile file to write");
        continue;
      }
      cl.record = true;
      cl.recordPath = words[++i];
    } else {
      fail("unknown switch \"" + w + "\"");
    }
  }
  // A script that passes a stray word wants to know; a person who dropped a
  // file on the program does not need to.
  if (cl.Batch() && !cl.ignored.empty()) fail("unknown argument \"" + cl.ignored.front() + "\"");
  return cl;
}

}  // namespace vornak
