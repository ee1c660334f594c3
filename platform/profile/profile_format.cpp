#include "platform/profile/profile_format.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vornak::profile {

// Line 0 stands for the file as a whole (it cannot be opened, or is too big).
ProfileError::ProfileError(const std::string& f, int l, const std::string& what)
    : std::runtime_error(f + ":" + (l > 0 ? std::to_string(l) + ":" : "") + " " + what),
      file(f),
      line(l) {}

namespace {

const char kHex[] = "0123456789abcdef";

bool NeedsEscape(unsigned char c) { return c < 0x20 || c >= 0x7F || c == '\\' || c == '"'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string FieldText(const Field& f) {
  if (f.isString) return EscapeString(f.text);
  // Eight lower-case hexadecimal digits, without the printf machinery.
  std::string hex(8, '0');
  uint32_t n = f.number;
  for (int i = 7; i >= 0; --i, n >>= 4) hex[i] = kHex[n & 15];
  return hex;
}

// Splits one line into fields; "=" comes back as a field-less marker index.
class LineParser {
 public:
  LineParser(std::string_view line, const std::string& file, int number)
      : s_(line), file_(file), line_(number) {}

  [[noreturn]] void Fail(const std::string& what) const { throw ProfileError(file_, line_, what); }

  bool AtEnd() {
    SkipBlanks();
    return pos_ >= s_.size();
  }
  bool TakeEquals() {
    SkipBlanks();
    if (pos_ < s_.size() && s_[pos_] == '=' && (pos_ + 1 == s_.size() || s_[pos_ + 1] == ' ')) {
      ++pos_;
      return true;
    }
    return false;
  }
  std::string Word() {
    SkipBlanks();
    size_t start = pos_;
    while (pos_ < s_.size() && s_[pos_] != ' ') ++pos_;
    return std::string(s_.substr(start, pos_ - start));
  }
  Field TakeField() {
    SkipBlanks();
    if (s_[pos_] == '"') return Str(TakeString());
    std::string w = Word();
    if (w.empty() || w.size() > 8) Fail("expected a hexadecimal number of 1 to 8 digits, found \"" + Printable(w) + "\"");
    uint32_t n = 0;
    for (char c : w) {
      int v = HexValue(c);
      if (v < 0) Fail("expected a hexadecimal number, found \"" + Printable(w) + "\"");
      n = n * 16 + static_cast<uint32_t>(v);
    }
    return Num(n);
  }

  static std::string Printable(std::string_view w) {
    std::string e = EscapeString(std::string(w));
    return e.substr(1, e.size() - 2);
  }

 private:
  void SkipBlanks() {
    while (pos_ < s_.size() && s_[pos_] == ' ') ++pos_;
  }
  std::string TakeString() {
    ++pos_;  // opening quote
    std::string out;
    while (true) {
      if (pos_ >= s_.size()) Fail("expected a closing quote before the end of the line");
      char c = s_[pos_++];
      if (c == '"') break;
      if (c != '\\' && NeedsEscape(static_cast<unsigned char>(c)))
        Fail("expected \\hh for the byte 0x" + std::string{kHex[(c >> 4) & 15], kHex[c & 15]} +
             " inside a string");
      if (c != '\\') {
        out += c;
        continue;
      }
      int hi = pos_ < s_.size() ? HexValue(s_[pos_]) : -1;
      int lo = pos_ + 1 < s_.size() ? HexValue(s_[pos_ + 1]) : -1;
      if (hi < 0 || lo < 0) Fail("expected two hexadecimal digits after a backslash");
      out += static_cast<char>(hi * 16 + lo);
      pos_ += 2;
    }
    if (pos_ < s_.size() && s_[pos_] != ' ') Fail("expected a blank after a closing quote");
    return out;
  }

  std::string_view s_;
  const std::string& file_;
  int line_;
  size_t pos_ = 0;
};

void CheckShape(const LineParser& p, const char* shape, const Fields& got, const char* what) {
  size_t n = std::strlen(shape);
  if (got.size() != n)
    p.Fail("expected " + std::to_string(n) + " " + what + ", found " + std::to_string(got.size()));
  for (size_t i = 0; i < n; ++i) {
    bool wantString = shape[i] == 's';
    if (got[i].isString != wantString)
      p.Fail("expected " + std::string(wantString ? "a string" : "a number") + " as " + what +
             " " + std::to_string(i + 1));
  }
}

// One answer line: its key, arguments and values, checked against the key's
// schema (or the key and arguments alone, for the question).
struct AnswerLine {
  std::string key;
  Fields args, values;
};

AnswerLine ParseAnswer(LineParser& lp, bool withValues) {
  AnswerLine a;
  a.key = lp.Word();
  const KeySchema* schema = FindKey(a.key);
  if (!schema) lp.Fail("unknown key \"" + LineParser::Printable(a.key) + "\"");
  while (!lp.TakeEquals()) {
    if (lp.AtEnd()) lp.Fail("expected \"=\" after the arguments of \"" + a.key + "\"");
    a.args.push_back(lp.TakeField());
  }
  if (!withValues) return a;
  while (!lp.AtEnd()) a.values.push_back(lp.TakeField());
  CheckShape(lp, schema->args, a.args, "argument(s)");
  CheckShape(lp, schema->values, a.values, "value(s)");
  return a;
}

// FNV-1a: the index only groups lines; equal hashes are told apart by their
// questions.
uint64_t HashOf(std::string_view text) {
  uint64_t h = 0xcbf29ce484222325u;
  for (unsigned char c : text) h = (h ^ c) * 0x100000001b3u;
  return h;
}

std::string TooBig() {
  return "expected a profile of at most " + std::to_string(kMaxProfileBytes >> 20) + " MB, the file is larger";
}

const std::string kNoFile;

}  // namespace

std::string EscapeString(const std::string& bytes) {
  std::string out = "\"";
  for (unsigned char c : bytes) {
    if (NeedsEscape(c)) {
      out += '\\';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::string QuestionText(const std::string& key, const Fields& args) {
  std::string q = key;
  for (const Field& f : args) q += " " + FieldText(f);
  return q;
}

std::string FormatLine(const std::string& key, const Fields& args, const Fields& values) {
  std::string line = QuestionText(key, args) + " =";
  for (const Field& f : values) line += " " + FieldText(f);
  return line + "\n";
}

Profile Profile::Parse(std::string text, const std::string& fileName) {
  // Offsets into the text are 32 bits.
  if (text.size() > static_cast<size_t>(kMaxProfileBytes)) throw ProfileError(fileName, 0, TooBig());
  Profile p;
  p.text_ = std::move(text);
  const std::string_view all = p.text_;
  size_t pos = 0;
  int number = 0;
  bool sawMagic = false;
  while (pos < all.size()) {
    const size_t start = pos;
    size_t end = all.find('\n', pos);
    const bool terminated = end != std::string_view::npos;
    if (!terminated) end = all.size();
    std::string_view line = all.substr(pos, end - pos);
    pos = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    LineParser lp(line, fileName, number);
    if (!sawMagic) {
      std::string want = std::string(kMagic) + " " + std::to_string(kVersion);
      if (line != want) lp.Fail("expected the first line \"" + want + "\", found \"" + LineParser::Printable(line.substr(0, 60)) + "\"");
      sawMagic = true;
      continue;
    }
    if (!terminated) lp.Fail("expected a line end: the last line is cut short");
    if (line.empty() || line[0] == '#') continue;
    const AnswerLine a = ParseAnswer(lp, true);
    const uint64_t h = HashOf(QuestionText(a.key, a.args));
    p.entries_.push_back(Entry{static_cast<uint32_t>(h), static_cast<uint32_t>(h >> 32), static_cast<uint32_t>(start)});
  }
  if (!sawMagic)
    throw ProfileError(fileName, 1, std::string("expected the first line \"") + kMagic + " " +
                                        std::to_string(kVersion) + "\", found an empty file");
  std::sort(p.entries_.begin(), p.entries_.end(), [](const Entry& a, const Entry& b) {
    return a.Hash() != b.Hash() ? a.Hash() < b.Hash() : a.offset < b.offset;
  });
  p.CheckCounts(fileName);
  return p;
}

std::string_view Profile::LineAt(uint32_t offset) const {
  std::string_view line = std::string_view(text_).substr(offset);
  line = line.substr(0, line.find('\n'));
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

int Profile::LineNumberAt(uint32_t offset) const {
  return 1 + static_cast<int>(std::count(text_.begin(), text_.begin() + offset, '\n'));
}

size_t Profile::FirstOfHash(uint64_t hash) const {
  return static_cast<size_t>(
      std::partition_point(entries_.begin(), entries_.end(), [hash](const Entry& e) { return e.Hash() < hash; }) -
      entries_.begin());
}

bool Profile::NextAnswer(const std::string& question, uint64_t hash, size_t& i) const {
  for (; i < entries_.size() && entries_[i].Hash() == hash; ++i) {
    LineParser lp(LineAt(entries_[i].offset), kNoFile, 0);
    const AnswerLine a = ParseAnswer(lp, false);
    if (QuestionText(a.key, a.args) == question) return true;
  }
  return false;
}

// Counts are checked in file order against the item lines not yet promised to
// an earlier count, so a replay's loops end with the lines that are there.
void Profile::CheckCounts(const std::string& fileName) const {
  for (const CountedList& list : kCountedLists) {
    const uint64_t itemHash = HashOf(list.itemKey), countHash = HashOf(list.countKey);
    uint64_t available = 0;
    for (size_t i = FirstOfHash(itemHash); NextAnswer(list.itemKey, itemHash, i); ++i) ++available;
    uint64_t promised = 0;
    for (size_t i = FirstOfHash(countHash); NextAnswer(list.countKey, countHash, i); ++i) {
      LineParser lp(LineAt(entries_[i].offset), kNoFile, 0);
      const uint64_t count = ParseAnswer(lp, true).values[0].number;
      if (promised + count > available)
        throw ProfileError(fileName, LineNumberAt(entries_[i].offset),
                           "expected " + std::to_string(count) + " \"" + list.itemKey +
                               "\" line(s) for this count, found " +
                               std::to_string(available - promised));
      promised += count;
    }
  }
}

Profile Profile::Load(const std::string& path) {
  struct stat st;
  const bool regular = stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
  if (regular && st.st_size > kMaxProfileBytes) throw ProfileError(path, 0, TooBig());
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) throw ProfileError(path, 0, std::string("cannot open the file: ") + std::strerror(errno));
  // Read with the same limit, for what stat cannot size (a pipe, a device).
  // A file's text is made its size at once, not doubled as it grows.
  std::string text;
  if (regular) text.reserve(static_cast<size_t>(st.st_size) + 1);
  char buf[65536];
  size_t n;
  while (text.size() <= static_cast<size_t>(kMaxProfileBytes) &&
         (n = std::fread(buf, 1, sizeof buf, f)) > 0)
    text.append(buf, n);
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) throw ProfileError(path, 0, "cannot read the file");
  if (text.size() > static_cast<size_t>(kMaxProfileBytes)) throw ProfileError(path, 0, TooBig());
  return Parse(std::move(text), path);
}

Profile::Cursor& Profile::CursorOf(const std::string& question) {
  auto [it, made] = cursors_.try_emplace(question);
  if (made) it->second.next = FirstOfHash(HashOf(question));
  return it->second;
}

bool Profile::TakeNext(const std::string& question, Cursor& c) {
  if (!NextAnswer(question, HashOf(question), c.next)) return false;
  LineParser lp(LineAt(entries_[c.next].offset), kNoFile, 0);
  c.current = ParseAnswer(lp, true).values;
  c.taken = true;
  ++c.next;
  return true;
}

const Fields* Profile::Take(const std::string& key, const Fields& args) {
  const std::string question = QuestionText(key, args);
  Cursor& c = CursorOf(question);
  // Once the answers are used up, the last one stays in the cursor.
  return TakeNext(question, c) || c.taken ? &c.current : nullptr;
}

const Fields* Profile::TakeListItem(const std::string& key) {
  Cursor& c = CursorOf(key);
  return TakeNext(key, c) ? &c.current : nullptr;
}

}  // namespace vornak::profile
