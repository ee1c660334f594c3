// A replayed report against its log read back: what the fuzz target checks
// for every profile it replays, and the unit tests for every fixture.
// docs/log-format.md lists the log's ambiguities; a report that holds one
// is read back differently by design, so the outline is compared only for a
// report that holds none (Plain).
#pragma once

#include <algorithm>
#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "readback/log_reader.h"
#include "readback/log_rules.h"

namespace vornak::fuzz {

// The report as its log reads back: the log cannot say which window owns
// which, so every window is listed under "Thread" in the order the run
// added them (handles count up as lines are added).
inline std::string FlatThreadDump(const MemoryOutline& o) {
  std::string out;
  std::function<void(Item, int)> walk = [&](Item parent, int depth) {
    for (Item c : o.Children(parent)) {
      std::string text = o.FullText(c);
      while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
      out += std::string(2 * depth, ' ') + text + '\n';
      if (depth != 2 || text != "Thread") {
        walk(c, depth + 1);
        continue;
      }
      std::vector<Item> windows;
      std::function<void(Item)> gather = [&](Item i) {
        for (Item w : o.Children(i)) windows.push_back(w), gather(w);
      };
      gather(c);
      std::sort(windows.begin(), windows.end());
      for (Item w : windows) {
        std::string title = o.FullText(w);
        while (!title.empty() && (title.back() == '\n' || title.back() == '\r')) title.pop_back();
        out += std::string(2 * depth + 2, ' ') + title + '\n';
      }
    }
  };
  walk(kNoItem, 0);
  return out;
}

inline bool EndsWith(const std::string& s, const char* tail) {
  const size_t n = std::char_traits<char>::length(tail);
  return s.size() >= n && s.compare(s.size() - n, n, tail) == 0;
}

// Whether a text holds a whole root line past its start (the root line's
// text, and " mode]" where its line ends), which the reader takes for a
// run appended to one cut inside that line.
inline bool HoldsRootLine(const std::string& t) {
  for (size_t at = t.find(kLogRootPrefix, 1); at != std::string::npos; at = t.find(kLogRootPrefix, at + 1)) {
    std::string line = t.substr(at, t.find('\n', at) - at);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (EndsWith(line, " mode]")) return true;
  }
  return false;
}

// "" when the report holds none of the log's ambiguities, else which.
inline std::string Ambiguity(const MemoryOutline& o) {
  std::string found;
  std::function<void(Item, bool)> walk = [&](Item parent, bool ini) {
    const std::vector<Item> children = o.Children(parent);
    for (size_t i = 0; i < children.size() && found.empty(); ++i) {
      const Item c = children[i];
      const std::string t = o.FullText(c);
      if (t.size() > kMaxLogLineBytes) found = "a line over the line cap";
      const size_t crLf = t.find("\r\n");
      if (crLf != std::string::npos && !(ini && crLf + 2 == t.size())) found = "a line break in a text";
      if (parent != kNoItem && t.compare(0, kLogRootPrefix.size(), kLogRootPrefix) == 0 && !(ini && EndsWith(t, "\n")))
        found = "a text that starts like a run";
      if (HoldsRootLine(t) && !(ini && EndsWith(t, "\n"))) found = "a text that holds a root line";
      if (ini && !EndsWith(t, "\n") && t[0] != '[' && ReadsAsStructure(t)) found = "an ini line read as a header";
      if (i + 1 < children.size() && o.FullText(children[i + 1]).rfind("CPU ID Num : ", 0) == 0 &&
          (ReadsAsStructure(t) ||
           !std::all_of(t.begin(), t.end(), [](char ch) { return std::isalnum(static_cast<unsigned char>(ch)) || ch == ' '; })))
        found = "a vendor string that reads as structure";
      // A repeated ini section: its lines go under the first one's header.
      const std::vector<Item> lines = o.Children(c);
      if (ini && !lines.empty() && lines.back() - c != lines.size()) found = "a repeated ini section";
      walk(c, ini || t == "WIN.INI" || t == "SYSTEM.INI");
    }
  };
  walk(kNoItem, false);
  return found;
}

// What the fuzz target traps on: "" when the log reads back as it must.
inline std::string CheckLogRoundTrip(const MemoryOutline& replay, const std::string& log) {
  std::vector<LogRun> runs;
  try {
    runs = ReadLog(log, "fuzz.LOG");
  } catch (const std::exception& e) {
    return Ambiguity(replay) == "a line over the line cap" ? "" : std::string("refused: ") + e.what();
  }
  // Every line is kept, in the order of the log, whatever the nesting; only
  // the bytes before a root line inside a line, a cut run's last line, are
  // no run's (they hold no line end).
  size_t at = 0;
  for (const LogRun& r : runs) {
    std::vector<Item> items;
    std::function<void(Item)> gather = [&](Item i) {
      for (Item c : r.outline.Children(i)) items.push_back(c), gather(c);
    };
    gather(kNoItem);
    std::sort(items.begin(), items.end());
    std::string lines;
    for (Item i : items) lines += r.outline.FullText(i) + "\r\n";
    if (lines != r.log) return "lines lost or changed";
    const size_t found = log.find(lines, at);
    if (found == std::string::npos || log.substr(at, found - at).find("\r\n") != std::string::npos)
      return "lines lost or changed";
    at = found + lines.size();
  }
  if (at != log.size()) return "lines lost or changed";
  if (!Ambiguity(replay).empty()) return "";
  if (runs.size() != 1) return "runs: " + std::to_string(runs.size());
  if (runs[0].truncated) return "truncated at " + runs[0].lastLine;
  if (runs[0].outline.Dump() != FlatThreadDump(replay)) return "outline differs";
  return "";
}

}  // namespace vornak::fuzz
