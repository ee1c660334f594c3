#include "platform/profile/profile_format.h"

#include <sys/stat.h>

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
  LineParser(const std::string& line, const std::string& file, int number)
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
    return s_.substr(start, pos_ - start);
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

  static std::string Printable(const std::string& w) {
    std::string e = EscapeString(w);
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

  const std::string& s_;
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

Profile Profile::Parse(const std::string& text, const std::string& fileName) {
  Profile p;
  size_t pos = 0;
  int number = 0;
  bool sawMagic = false;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    bool terminated = end != std::string::npos;
    if (!terminated) end = text.size();
    std::string line = text.substr(pos, end - pos);
    pos = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    LineParser lp(line, fileName, number);
    if (!sawMagic) {
      std::string want = std::string(kMagic) + " " + std::to_string(kVersion);
      if (line != want) lp.Fail("expected the first line \"" + want + "\", found \"" + LineParser::Printable(line.substr(0, 60)) + "\"");
      sawMagic = true;
      continue;
    }
    if (!terminated) lp.Fail("expected a line end: the last line is cut short");
    if (line.empty() || line[0] == '#') continue;
    std::string key = lp.Word();
    const KeySchema* schema = FindKey(key);
    if (!schema) lp.Fail("unknown key \"" + LineParser::Printable(key) + "\"");
    Fields args, values;
    while (!lp.TakeEquals()) {
      if (lp.AtEnd()) lp.Fail("expected \"=\" after the arguments of \"" + key + "\"");
      args.push_back(lp.TakeField());
    }
    while (!lp.AtEnd()) values.push_back(lp.TakeField());
    CheckShape(lp, schema->args, args, "argument(s)");
    CheckShape(lp, schema->values, values, "value(s)");
    p.answers_[QuestionText(key, args)].answers.push_back(Answer{std::move(values), number});
  }
  if (!sawMagic)
    throw ProfileError(fileName, 1, std::string("expected the first line \"") + kMagic + " " +
                                        std::to_string(kVersion) + "\", found an empty file");
  p.CheckCounts(fileName);
  return p;
}

// Counts are checked in file order against the item lines not yet promised to
// an earlier count, so a replay's loops end with the lines that are there.
void Profile::CheckCounts(const std::string& fileName) const {
  for (const CountedList& list : kCountedLists) {
    auto items = answers_.find(list.itemKey);
    const uint64_t available = items == answers_.end() ? 0 : items->second.answers.size();
    auto counts = answers_.find(list.countKey);
    if (counts == answers_.end()) continue;
    uint64_t promised = 0;
    for (const Answer& a : counts->second.answers) {
      const uint64_t count = a.values[0].number;
      if (promised + count > available)
        throw ProfileError(fileName, a.line,
                           "expected " + std::to_string(count) + " \"" + list.itemKey +
                               "\" line(s) for this count, found " +
                               std::to_string(available - promised));
      promised += count;
    }
  }
}

Profile Profile::Load(const std::string& path) {
  const std::string tooBig = "expected a profile of at most " +
                             std::to_string(kMaxProfileBytes >> 20) + " MB, the file is larger";
  struct stat st;
  if (stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > kMaxProfileBytes)
    throw ProfileError(path, 0, tooBig);
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) throw ProfileError(path, 0, std::string("cannot open the file: ") + std::strerror(errno));
  // Read with the same limit, for what stat cannot size (a pipe, a device).
  std::string text;
  char buf[65536];
  size_t n;
  while (text.size() <= static_cast<size_t>(kMaxProfileBytes) &&
         (n = std::fread(buf, 1, sizeof buf, f)) > 0)
    text.append(buf, n);
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) throw ProfileError(path, 0, "cannot read the file");
  if (text.size() > static_cast<size_t>(kMaxProfileBytes)) throw ProfileError(path, 0, tooBig);
  return Parse(text, path);
}

const Fields* Profile::Take(const std::string& key, const Fields& args) {
  auto it = answers_.find(QuestionText(key, args));
  if (it == answers_.end()) return nullptr;
  Queue& q = it->second;
  const Answer& a = q.answers[q.next];
  if (q.next + 1 < q.answers.size()) ++q.next;
  return &a.values;
}

const Fields* Profile::TakeListItem(const std::string& key) {
  auto it = answers_.find(key);
  if (it == answers_.end() || it->second.next >= it->second.answers.size()) return nullptr;
  return &it->second.answers[it->second.next++].values;
}

}  // namespace vornak::profile
