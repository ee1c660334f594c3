#include "readback/log_reader.h"

#include <algorithm>
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

// Where a line ends: its text's end, where the line after it starts (the
// same place when it has no line end), and the lone LFs inside its text.
struct LineBounds {
  size_t end = 0, next = 0;
  int innerLfs = 0;
};

// Splits the bytes into lines: at CR LF where the run's root line ends so (a
// lone LF is then part of a line, as win.ini's lines are), else at LF.
class LineCursor {
 public:
  LineCursor(std::string_view bytes, const std::string& name) : bytes_(bytes), name_(name) {}
  bool CrLf() const { return crLf_; }

  // The line at the cursor, or the cut bytes there, and the cursor past it.
  Next Take(RawLine& line) {
    if (pos_ >= bytes_.size()) return Next::kEnd;
    if (StartsWith(bytes_.substr(pos_), kLogRootPrefix)) DecideLineEnds();
    LineBounds bounds = FindLineEnd();
    const int number = lfs_ + 1;
    StopAtEmbeddedRoot(bounds);
    const std::string_view text = bytes_.substr(pos_, bounds.end - pos_);
    if (const size_t nul = text.find('\0'); nul != std::string_view::npos)
      return TakeResetZeros(pos_ + nul, number, line);
    RefuseLongLine(text, number);
    // No line end: the end of the file, or a run starting inside the line.
    if (bounds.next == bounds.end) return TakeCut(bounds.end, bounds.end, number, line);
    line = RawLine{text, pos_, bounds.next, number};
    lfs_ += bounds.innerLfs + 1;
    pos_ = bounds.next;
    return Next::kLine;
  }

 private:
  // At a line that starts as a root line does. Each run keeps its root
  // line's line ends: a file may join an untouched log and one that went
  // through an editor.
  void DecideLineEnds() {
    const size_t lf = NextLf(pos_);
    if (lf == bytes_.size()) return;  // cut short: nothing to tell by
    const bool crLf = bytes_[lf - 1] == '\r';   // the root text holds no LF
    // A win.ini line that starts so is no root line: it keeps its file's LF
    // before the writer's CR LF, and the run's CR LF stands.
    const bool iniLine = crLf_ && !crLf && StartsWith(bytes_.substr(lf + 1), "\r\n");
    if (!iniLine) crLf_ = crLf;
  }

  // The line at the cursor in the run's line ends. Under CR LF only an LF
  // after a CR of the line ends it; lone LFs before it are win.ini's.
  LineBounds FindLineEnd() {
    int innerLfs = 0;
    for (size_t from = pos_;;) {
      const size_t lf = NextLf(from);
      if (lf == bytes_.size()) return {lf, lf, innerLfs};
      if (!crLf_) return {lf, lf + 1, 0};
      if (lf > pos_ && bytes_[lf - 1] == '\r') return {lf - 1, lf + 1, innerLfs};
      ++innerLfs;
      from = lf + 1;
    }
  }

  // A run cut inside a line, then appended to (a reset, then the next run),
  // leaves a whole root line inside one line of the file: the line stops
  // there, and its bytes before it are the cut run's last line. A whole
  // win.ini line may hold one, and is never split.
  void StopAtEmbeddedRoot(LineBounds& bounds) {
    // Searched to the file's end: once for each root line found, not once a line.
    if (nextRoot_ <= pos_) nextRoot_ = FindRootLine(pos_ + 1);
    if (nextRoot_ < bounds.end && !KeepsIniLineEnd(bounds)) bounds.end = bounds.next = nextRoot_;
  }

  // Where a whole root line starts, at `from` or after: the root text, and
  // " mode]" at the end of that line, as the writer ends one (the size: none).
  size_t FindRootLine(size_t from) {
    const std::string_view tail = " mode]";
    for (size_t at = bytes_.find(kLogRootPrefix, from); at != std::string_view::npos;
         at = bytes_.find(kLogRootPrefix, at + 1)) {
      size_t end = NextLf(at);
      if (bytes_[end - 1] == '\r') --end;
      if (end - at >= kLogRootPrefix.size() + tail.size() && StartsWith(bytes_.substr(end - tail.size()), tail))
        return at;
    }
    return bytes_.size();
  }

  // The first LF at `from` or after (the size: none). The last answer is
  // kept: a line holding root lines is searched from each, not crossed
  // again to its end for each (a file of them at the cap took most of an hour).
  size_t NextLf(size_t from) {
    if (from < lfSearchedFrom_ || from > nextLf_) {
      nextLf_ = std::min(bytes_.find('\n', from), bytes_.size());
      lfSearchedFrom_ = from;
    }
    return nextLf_;
  }

  // Whether the line ends as a whole win.ini or system.ini line does: its
  // file's LF (its only lone LF) before the writer's CR LF, or an empty line
  // after it (the file's CR LF, or any line end once converted to LF).
  bool KeepsIniLineEnd(const LineBounds& bounds) const {
    if (bounds.next == bounds.end) return false;  // no line end at all
    if (crLf_ && bounds.innerLfs == 1 && bytes_[bounds.end - 1] == '\n') return true;
    return StartsWith(bytes_.substr(bounds.next), crLf_ ? "\r\n" : "\n");
  }

  // A reset leaves zeros where the file's last clusters were never written:
  // NUL bytes up to the end, or up to the next run. Any other NUL is binary.
  Next TakeResetZeros(size_t nul, int number, RawLine& line) {
    size_t after = nul;
    while (after < bytes_.size() && bytes_[after] == '\0') ++after;
    if (after < bytes_.size() && !StartsWith(bytes_.substr(after), kLogRootPrefix))
      throw InputError(name_, number, "a NUL byte, which no log line holds: binary data");
    return TakeCut(nul, after, number, line);
  }

  // No report line comes near the limit (log_reader.h): past it, binary data.
  void RefuseLongLine(std::string_view text, int number) const {
    if (text.size() > kMaxLogLineBytes)
      throw InputError(name_, number, "a line longer than " + std::to_string(kMaxLogLineBytes >> 10) +
                                          " KB, which no log holds: binary data");
  }

  // Bytes that are no whole line, their text up to `textEnd`, the next line
  // at `next`. Their LFs are counted for the line numbers after them.
  Next TakeCut(size_t textEnd, size_t next, int number, RawLine& line) {
    line = RawLine{bytes_.substr(pos_, textEnd - pos_), pos_, next, number};
    lfs_ += static_cast<int>(std::count(bytes_.begin() + pos_, bytes_.begin() + textEnd, '\n'));
    pos_ = next;
    return Next::kCut;
  }

  std::string_view bytes_;
  const std::string& name_;
  bool crLf_ = true;
  size_t pos_ = 0;
  size_t nextRoot_ = 0;  // where the next whole root line starts (the size: none)
  int lfs_ = 0;          // the LF bytes before pos_
  size_t lfSearchedFrom_ = 1, nextLf_ = 0;  // no LF in [from, nextLf_); none known at first
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
