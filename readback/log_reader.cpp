#include "readback/log_reader.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "readback/input_error.h"
#include "readback/log_rules.h"
#include "report/starts_with.h"

namespace vornak {

namespace {

bool EndsWithLf(std::string_view s) { return !s.empty() && s.back() == '\n'; }
bool IsRootLine(std::string_view s) { return StartsWith(s, kLogRootPrefix) && !EndsWithLf(s); }

// A whole line of the file: its text, where it starts, where the next starts.
struct RawLine {
  std::string_view text;
  size_t begin = 0, end = 0;
  int number = 0;  // 1 + the LF bytes before it, as an editor counts
};

// What the file holds next: a whole line, a cut (bytes that are no whole
// line: a last line without its line end, or the zeros a reset leaves in
// place of the lines that were not written), or nothing more.
enum class Next { kLine, kCut, kEnd };

// Splits the bytes into lines: at CR LF where the run's root line ends so (a
// lone LF is then part of a line, as win.ini's lines are), else at LF.
class LineCursor {
 public:
  LineCursor(std::string_view bytes, const std::string& name) : bytes_(bytes), name_(name) {}
  bool CrLf() const { return crLf_; }

  Next Take(RawLine& line) {
    if (pos_ >= bytes_.size()) return Next::kEnd;
    // Each run keeps the line ends of its root line: a file may join an
    // untouched log and one that went through an editor. A win.ini line
    // that starts so keeps its own LF before the writer's CR LF.
    if (StartsWith(bytes_.substr(pos_), kLogRootPrefix)) {
      const size_t lf = bytes_.find('\n', pos_);
      const bool iniLine = crLf_ && bytes_.substr(lf + 1, 2) == "\r\n";
      if (lf != std::string_view::npos && !iniLine) crLf_ = lf > pos_ && bytes_[lf - 1] == '\r';
    }
    const char* data = bytes_.data();
    const size_t size = bytes_.size();
    size_t end = size, next = size;  // of the text; of the line after it
    int innerLfs = 0;
    for (size_t from = pos_; from < size;) {
      const void* found = std::memchr(data + from, '\n', size - from);
      if (!found) break;
      const size_t lf = static_cast<const char*>(found) - data;
      if (!crLf_ || (lf > pos_ && data[lf - 1] == '\r')) {
        end = crLf_ ? lf - 1 : lf;
        next = lf + 1;
        break;
      }
      ++innerLfs;
      from = lf + 1;
    }
    const int number = lfs_ + 1;
    // A run cut inside a line, then appended to (a reset, and the next run):
    // a root line inside the line starts that run, and the bytes before it
    // are the cut one's last line. A whole win.ini line may hold one; it is
    // told by the line end it keeps. The next root line is looked for once
    // a run, not once a line.
    if (nextRoot_ <= pos_) nextRoot_ = std::min(FindRootLine(pos_ + 1, size), size);
    if (nextRoot_ < end && !KeepsIniLineEnd(end, next, innerLfs)) end = next = nextRoot_;
    if (const void* nul = std::memchr(data + pos_, '\0', end - pos_)) {
      const char* zeros = static_cast<const char*>(nul);
      size_t after = zeros - data;
      while (after < size && data[after] == '\0') ++after;
      if (after < size && !StartsWith(bytes_.substr(after), kLogRootPrefix))
        throw InputError(name_, number, "a NUL byte, which no log line holds: binary data");
      // A reset's zeros, up to the end or to the next run.
      line = RawLine{bytes_.substr(pos_, static_cast<size_t>(zeros - data) - pos_), pos_, after, number};
      lfs_ += static_cast<int>(std::count(data + pos_, zeros, '\n'));
      pos_ = after;
      return Next::kCut;
    }
    if (end - pos_ > kMaxLogLineBytes)
      throw InputError(name_, number, "a line longer than " + std::to_string(kMaxLogLineBytes >> 10) +
                                          " KB, which no log holds: binary data");
    if (next == end) {  // no line end: at the end of the file, or where a run starts
      line = RawLine{bytes_.substr(pos_, end - pos_), pos_, end, number};
      lfs_ += static_cast<int>(std::count(data + pos_, data + end, '\n'));
      pos_ = end;
      return Next::kCut;
    }
    line = RawLine{bytes_.substr(pos_, end - pos_), pos_, next, number};
    lfs_ += innerLfs + 1;
    pos_ = next;
    return Next::kLine;
  }

 private:
  // Where a whole root line starts inside [from, to): the root line's text
  // there, and " mode]" at the end of that line (which may lie past `to`);
  // npos if none does.
  size_t FindRootLine(size_t from, size_t to) const {
    const std::string_view root = kLogRootPrefix, tail = " mode]";
    const char* data = bytes_.data();
    for (; from + root.size() <= to; ++from) {
      const void* v = std::memchr(data + from, root[0], to - from - root.size() + 1);
      if (!v) break;
      from = static_cast<const char*>(v) - data;
      if (bytes_.compare(from, root.size(), root) != 0) continue;
      size_t lineEnd = std::min(bytes_.find('\n', from), bytes_.size());
      if (data[lineEnd - 1] == '\r') --lineEnd;
      if (lineEnd - from >= root.size() + tail.size() && bytes_.compare(lineEnd - tail.size(), tail.size(), tail) == 0)
        return from;
    }
    return std::string_view::npos;
  }

  // Whether the line ends as a whole win.ini or system.ini line does: its
  // file's LF (its only lone LF) before the writer's CR LF, or an empty line
  // after it (the file's CR LF, or any line end once converted to LF).
  bool KeepsIniLineEnd(size_t end, size_t next, int innerLfs) const {
    if (next == end) return false;  // no line end at all
    if (crLf_ && innerLfs == 1 && bytes_[end - 1] == '\n') return true;
    return bytes_.substr(next, crLf_ ? 2 : 1) == (crLf_ ? "\r\n" : "\n");
  }

  std::string_view bytes_;
  const std::string& name_;
  bool crLf_ = true;
  size_t pos_ = 0;
  size_t nextRoot_ = 0;  // where the next whole root line starts (the size: none)
  int lfs_ = 0;
};

// One run's lines into its outline, through the rules.
class RunReader {
 public:
  explicit RunReader(std::string_view root) {
    root_ = Insert(kNoItem, root);
    slots_[static_cast<size_t>(LogSlot::kRoot)] = root_;
    content_ = Content{root_, kNoItem, nullptr, 0};
  }

  LogPhase Phase() const { return phase_; }

  void Line(std::string_view text) {
    if (const LogRule* rule = FindLogRule(text, phase_)) return Apply(*rule, text);
    if (content_.rule && content_.rule->stays && !content_.rule->stays(text))
      content_ = Content{content_.parent, kNoItem, nullptr, 0};
    Insert(content_.item, text);
    ++content_.count;
  }

  // Whether the run reached the report's last part and is not inside a
  // block of a fixed number of lines.
  bool Whole() const {
    if (phase_ != kLastLogPhase) return false;
    const uint32_t whole = content_.rule ? content_.rule->wholeCounts : 0;
    return whole == 0 || (content_.count < 32 && (whole >> content_.count & 1u));
  }

  MemoryOutline& Tree() { return outline_; }

 private:
  struct Content {
    Item item;              // where the lines go
    Item parent;            // where the block's item went
    const LogRule* rule;    // that opened the block, or null
    uint32_t count;         // lines under it so far
  };

  Item Slot(LogSlot s) const {
    if (s == LogSlot::kPrevious) return previous_;
    const Item item = slots_[static_cast<size_t>(s)];
    return item != kNoItem ? item : root_;  // its header is missing from the log
  }

  void Apply(const LogRule& rule, std::string_view text) {
    const Item parent = Slot(rule.under);
    const Item item = Insert(parent, text);
    if (rule.opens != LogSlot::kNone) {
      const size_t s = static_cast<size_t>(rule.opens);
      slots_[s] = item;
      for (size_t later = s + 1; later < kSlots; ++later) slots_[later] = kNoItem;
    }
    if (rule.after == LogAfter::kInto) content_ = Content{item, parent, &rule, 0};
    if (rule.after == LogAfter::kBack) content_ = Content{parent, kNoItem, nullptr, 0};
    phase_ = rule.phase;
  }

  Item Insert(Item parent, std::string_view text) {
    // The outline appends after the last child it is given at once.
    const Item item = outline_.Insert(parent, lastChild_[parent], std::string(text));
    if (lastChild_.size() <= item) lastChild_.resize(item + 1, kNoItem);
    lastChild_[parent] = item;
    previous_ = item;
    return item;
  }

  static constexpr size_t kSlots = static_cast<size_t>(LogSlot::kCount);
  MemoryOutline outline_;
  std::vector<Item> lastChild_ = std::vector<Item>(1, kNoItem);  // by item; [0]: the top level
  Item slots_[kSlots] = {};
  Item root_ = kNoItem;
  Item previous_ = kNoItem;
  Content content_{};
  LogPhase phase_ = LogPhase::kHead;
};

bool InIniFile(LogPhase p) { return p == LogPhase::kWinIni || p == LogPhase::kSystemIni; }

}  // namespace

bool StartsAsLog(std::string_view bytes) {
  for (size_t cut = 0; cut < kLogRootPrefix.size(); ++cut)
    if (StartsWith(bytes, kLogRootPrefix.substr(0, cut)) && StartsWith(bytes.substr(cut), kLogRootPrefix))
      return true;
  return false;
}

std::vector<LogRun> ReadLog(std::string_view bytes, const std::string& name) {
  std::vector<LogRun> runs;
  LineCursor cursor(bytes, name);
  std::optional<RunReader> reader;
  size_t runBegin = 0, runEnd = 0;
  std::string_view lastText;
  int lastNumber = 0;
  bool cut = false;

  auto finishRun = [&] {
    if (!reader) return;
    LogRun& run = runs.back();
    run.outline = std::move(reader->Tree());
    run.truncated = cut || !reader->Whole();
    run.log = std::string(bytes.substr(runBegin, runEnd - runBegin));
    run.lastLine = std::string(lastText);
    run.lastLineNumber = lastNumber;
    reader.reset();
  };

  RawLine line, following;
  Next next = cursor.Take(line);
  while (next != Next::kEnd) {
    if (next == Next::kCut) {
      // A root line cut short, or the file's first line, is a run without
      // one whole line; other cut bytes are the last line of the run before.
      if (runs.empty() || StartsWith(line.text, kLogRootPrefix)) {
        finishRun();
        runs.emplace_back().truncated = true;
      }
      cut = true;
      next = cursor.Take(line);
      continue;
    }
    Next after = cursor.Take(following);
    std::string_view text = line.text;
    size_t end = line.end;
    // A win.ini line keeps its LF (or a CR LF that was in the file): in the
    // log that line end comes before the writer's, so it reads as a line of
    // its own that is empty. No line of those files is empty.
    if (reader && InIniFile(reader->Phase()) && after == Next::kLine && following.text.empty()) {
      end = following.end;
      text = bytes.substr(line.begin, end - (cursor.CrLf() ? 2 : 1) - line.begin);
      after = cursor.Take(following);
    }
    if (IsRootLine(text) || !reader) {
      finishRun();
      runs.emplace_back();
      reader.emplace(text);
      runBegin = line.begin;
      cut = false;
    } else {
      reader->Line(text);
    }
    lastText = text;
    lastNumber = line.number;
    runEnd = end;
    line = following;
    next = after;
  }
  finishRun();
  return runs;
}

}  // namespace vornak
