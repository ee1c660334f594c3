#include "app/command_line.h"

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
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& w = words[i];
    std::string name = (w.size() > 1 && (w[0] == '/' || w[0] == '-')) ? Upper(w.substr(1)) : "";
    if (name == "LOG") {
      cl.log = true;
    } else if (name == "ANALYZE") {
      cl.analyze = true;
    } else if (name == "RECORD") {
      if (i + 1 >= words.size() || words[i + 1].empty()) {
        cl.error = "/RECORD needs the name of the profile file to write";
        return cl;
      }
      cl.record = true;
      cl.recordPath = words[++i];
    } else {
      cl.error = "unknown argument \"" + w + "\"";
      return cl;
    }
  }
  return cl;
}

}  // namespace vornak
